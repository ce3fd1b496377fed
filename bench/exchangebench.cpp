// The spreadsheet round trip and the comparison of two databases on the full sample database:
// export of the 6450 players the editor can write, import of an untouched sheet and of one with
// 1,000 edited rows, the same export and untouched import as an .xlsx workbook, and the
// comparison of the database with the edited one.
#include "exchange/databasediff.h"
#include "exchange/databasemerge.h"
#include "exchange/playersheet.h"
#include "player/playerrecord.h"
#include "sheetformats/sheetfile.h"
#include "tools/samplebuilder.h"

#include <benchmark/benchmark.h>

namespace {

namespace L = PlayerLayout;

constexpr int editedRows = 1000;

// The sample database, and a copy with the attack of 1,000 players raised by one (flag kept).
struct Databases {
    QByteArray original = SampleBuilder::playerDatabase();
    QByteArray edited = original;
    Databases() {
        for (int k = 0; k < editedRows; ++k) {
            const qint64 at = L::nameOffset(k * 6) + L::abilityBlock;
            const int stored = uchar(edited[at]);
            edited[at] = char((stored & L::flagBit) | ((stored & L::valueBits) % 99 + 1));
        }
    }
};

const Databases& databases() {
    static const Databases instance;
    return instance;
}

void exportPlayers(benchmark::State& state) {
    const QByteArray& db = databases().original;
    for (auto _ : state)
        benchmark::DoNotOptimize(PlayerSheet::write(db));
}
BENCHMARK(exportPlayers)->Unit(benchmark::kMillisecond);

void importUntouchedSheet(benchmark::State& state) {
    const QByteArray& db = databases().original;
    const QByteArray sheet = PlayerSheet::write(db);
    for (auto _ : state)
        benchmark::DoNotOptimize(PlayerSheet::plan(db, sheet));
}
BENCHMARK(importUntouchedSheet)->Unit(benchmark::kMillisecond);

void importSheetWith1000EditedRows(benchmark::State& state) {
    const QByteArray& db = databases().original;
    const QByteArray sheet = PlayerSheet::write(databases().edited);
    for (auto _ : state)
        benchmark::DoNotOptimize(PlayerSheet::plan(db, sheet));
}
BENCHMARK(importSheetWith1000EditedRows)->Unit(benchmark::kMillisecond);

std::optional<QByteArray> workbookOf(const QByteArray& db) {
    QString error;
    return SheetFile::write(
        SheetFormat::Xlsx, QStringLiteral("players"),
        [&](SheetWriter& out) { return PlayerSheet::write(db, out); }, &error);
}

void exportPlayersXlsx(benchmark::State& state) {
    const QByteArray& db = databases().original;
    for (auto _ : state)
        benchmark::DoNotOptimize(workbookOf(db));
}
BENCHMARK(exportPlayersXlsx)->Unit(benchmark::kMillisecond);

void importUntouchedXlsx(benchmark::State& state) {
    const QByteArray& db = databases().original;
    const QByteArray workbook = workbookOf(db).value_or(QByteArray());
    for (auto _ : state)
        benchmark::DoNotOptimize(
            PlayerSheet::plan(db, SheetFile::read(QStringLiteral("players.xlsx"), workbook)));
}
BENCHMARK(importUntouchedXlsx)->Unit(benchmark::kMillisecond);

void diffDatabases(benchmark::State& state) {
    const Databases& d = databases();
    for (auto _ : state)
        benchmark::DoNotOptimize(DatabaseDiff::players(d.original, d.edited));
}
BENCHMARK(diffDatabases)->Unit(benchmark::kMillisecond);

// A merge of the edited database into the original, every part, with the team files: 1,000
// players differ.
void mergePlan(benchmark::State& state) {
    const Databases& dbs = databases();
    const QByteArray teams = SampleBuilder::teamFile();
    for (auto _ : state) {
        const DatabaseMerge::Plan plan =
            DatabaseMerge::plan({dbs.original, teams}, {dbs.edited, teams}, {});
        if (plan.players.size() != size_t(editedRows))
            state.SkipWithError("the merge did not find the 1,000 players that differ");
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(mergePlan)->Unit(benchmark::kMillisecond);

} // namespace
