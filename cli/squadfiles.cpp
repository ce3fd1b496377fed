#include "cli/squadfiles.h"

#include "cli/clioutput.h"
#include "common/samefile.h"
#include "exchange/playersheet.h"
#include "exchange/teamsheet.h"
#include "teamnames/teamnametable.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

using namespace CliOutput;

std::optional<SquadFiles> SquadFiles::read(const CommandLine& commandLine, int unreadable,
                                           int* status) {
    const QStringList files = commandLine.positional();
    if (sameExistingFile(files.at(0), files.at(1))) {
        *status = commandLine.usageError(
            QCoreApplication::translate("SquadFiles", "the player database and the team file "
                                                      "are the same file"));
        return std::nullopt;
    }
    *status = unreadable;
    QString error;
    auto database = GameFile::read(files.at(0), &error);
    const auto teamFile = database ? GameFile::read(files.at(1), &error) : std::nullopt;
    if (!teamFile) {
        err(error);
        return std::nullopt;
    }
    // The message names the file that is not of its kind.
    for (const QString& problem : {database->problem(PlayerSheet::databaseProblem),
                                   teamFile->problem(TeamSheet::teamFileProblem)}) {
        if (!problem.isEmpty()) {
            err(problem);
            return std::nullopt;
        }
    }

    SquadFiles result;
    result.m_database = std::move(*database);
    const TeamNameLists lists = TeamNameTable::decode(teamFile->bytes);
    result.m_teams = SquadTeam::listed(lists.names, lists.teamIds);
    result.m_teamNames = SquadTeam::firstNames(result.m_teams);
    result.m_players.emplace(result.m_database.bytes);
    return result;
}

QString SquadFiles::unlistedTeam(qint32 teamId) const {
    return m_teamNames.contains(teamId)
               ? QString()
               : QCoreApplication::translate("SquadFiles",
                                             "The team file lists no team with team ID %1.")
                     .arg(teamId);
}

QString SquadFiles::playerName(qint32 playerId) const {
    return m_players ? m_players->name(playerId) : QString();
}

QString SquadFiles::player(qint32 playerId) const {
    return holds(playerId)
               ? QStringLiteral("%1 (%2)").arg(playerName(playerId), QString::number(playerId))
               : QStringLiteral("Player ID %1").arg(playerId);
}

QString SquadFiles::team(qint32 teamId) const {
    const QString name = teamName(teamId);
    return name.isEmpty() ? QStringLiteral("Team ID %1").arg(teamId) : name;
}

QList<qint32> SquadFiles::squadsOf(qint32 playerId) const {
    QList<qint32> found;
    QSet<qint32> seen;
    for (const SquadTeam& listed : m_teams) {
        if (seen.contains(listed.id))
            continue;
        seen.insert(listed.id);
        const std::optional<Squad> squad = Squad::read(m_database.bytes, listed.id);
        if (squad && std::any_of(squad->rosterSlots.begin(), squad->rosterSlots.end(),
                                 [&](const RosterSlot& slot) { return slot.playerId == playerId; }))
            found.append(listed.id);
    }
    return found;
}

SquadRules SquadFiles::rulesOver(QByteArrayView database) const {
    return SquadRules(
        database, [this](qint32 id) { return holds(id) ? player(id) : QString(); },
        [this](qint32 id) { return teamName(id); });
}

int SquadFiles::write(const QByteArray& newBytes, bool dryRun) const {
    if (dryRun) {
        out(QStringLiteral("dry run: nothing was written"));
        return Done;
    }
    QString error;
    QStringList written;
    if (!writeGameFiles({{&m_database, newBytes}}, &written, &error)) {
        err(error);
        return Refused;
    }
    out(written);
    return Done;
}

int refuseChange(const QString& reason) {
    err(reason);
    err(QCoreApplication::translate("SquadFiles", "Nothing was written."));
    return Refused;
}

std::optional<qint32> idArgument(const QString& text) {
    bool ok = false;
    const qint32 id = text.toInt(&ok, 10);
    return ok ? std::optional<qint32>(id) : std::nullopt;
}

std::optional<qint32> idOption(const CommandLine& commandLine, const QCommandLineOption& option,
                               int* status) {
    const QString name = QStringLiteral("--") + option.names().constFirst();
    if (!commandLine.isSet(option)) {
        *status =
            commandLine.usageError(QCoreApplication::translate("SquadFiles", "%1 %2 is missing")
                                       .arg(name, option.valueName()));
        return std::nullopt;
    }
    const QString value = commandLine.value(option);
    const auto id = idArgument(value);
    if (!id)
        *status = commandLine.usageError(
            QCoreApplication::translate("SquadFiles", "%1 takes a number, not \"%2\"")
                .arg(name, value));
    return id;
}

std::optional<qint32> playerOption(const CommandLine& commandLine, const QCommandLineOption& option,
                                   int* status) {
    const auto id = idOption(commandLine, option, status);
    if (id && *id == RosterLayout::emptySlot) {
        *status = commandLine.usageError(QCoreApplication::translate(
            "SquadFiles", "player ID 0 marks an empty slot; give a player's ID"));
        return std::nullopt;
    }
    return id;
}
