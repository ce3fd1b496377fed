// The squad rules on the full sample database: one transfer between two late squads of the
// roster table (the furthest a change has to look), and the check of every squad and player.
#include "teams/squad.h"
#include "tools/samplebuilder.h"

#include <benchmark/benchmark.h>

namespace {

QString noName(qint32) {
    return {};
}

void transferPlayer(benchmark::State& state) {
    const QByteArray db = SampleBuilder::playerDatabase();
    const auto& teams = SampleBuilder::teams();
    const SampleBuilder::Team& from = teams.at(teams.size() - 2);
    const SampleBuilder::Team& to = teams.at(teams.size() - 1);
    const SquadRules rules(db, noName, noName);
    const qint32 player = SampleBuilder::playerId(from.players.first());
    for (auto _ : state) {
        const SquadChange change = rules.transfer(player, from.id, to.id);
        if (!change.ok())
            state.SkipWithError(qPrintable(change.refusal));
        benchmark::DoNotOptimize(change);
    }
}
BENCHMARK(transferPlayer)->Unit(benchmark::kMicrosecond);

void checkSquads(benchmark::State& state) {
    const QByteArray db = SampleBuilder::playerDatabase();
    QList<SquadTeam> teams;
    for (const SampleBuilder::Team& team : SampleBuilder::teams())
        teams.append({team.id, team.name});
    for (auto _ : state)
        benchmark::DoNotOptimize(SquadRules::check(db, teams));
}
BENCHMARK(checkSquads)->Unit(benchmark::kMillisecond);

} // namespace
