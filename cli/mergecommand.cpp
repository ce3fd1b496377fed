#include "cli/clioutput.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/gamefile.h"
#include "common/samefile.h"
#include "exchange/databasemerge.h"
#include "exchange/playersheet.h"
#include "exchange/teamsheet.h"
#include "playertable/playerfilter.h"
#include "playertable/playertabledata.h"
#include "teamnames/teamnametable.h"

#include <QCoreApplication>

using namespace CliOutput;

namespace {

QString help() {
    return QCoreApplication::translate(
        "MergeCommand",
        R"help(usage: rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB [OTHER_TEAM_FILE]
                          [--parts P,...] [--where FILTER] [--players ID,...] [--teams ID,...]
                          [--skip-refused] [--dry-run]

Takes values from another pair of game files (OTHER_DB, OTHER_TEAM_FILE; compressed game files
or working copies, read in memory and never changed) into PLAYER_DB and TEAM_FILE. Players are
matched by player ID (a player may sit at another record in the other file), teams by team ID.
The parts, all when --parts is not given:
  details      name, name on shirt, age, height, weight, foot, spacing, registered position
  abilities    the 26 abilities, the playable positions, the special abilities
  appearance   face and hair
  squads       the squads of the chosen teams, their players mapped by ID (needs OTHER_TEAM_FILE)
  team_names   the chosen teams' names and short names (needs OTHER_TEAM_FILE)
Every value is checked and written as a sheet import of it. A player the other file holds and
PLAYER_DB does not is listed as not in this database and left out.

  --where FILTER      only the players of PLAYER_DB the filter lets through (rosterly-cli players)
  --players ID,...    only these player IDs
  --teams ID,...      only these teams (team IDs) for squads and team_names
  --skip-refused      write the rest when some squad or name is refused (else nothing is written)
  --dry-run           print the changes, write nothing

Prints the changes as diff words them, then what changes ("120 players, 3 squads, 2 team names
will change"). Both files are replaced atomically in their own forms after backups, both or
neither.

Exit status: 0 done or nothing to change, 1 refused or a file cannot be read (nothing written),
2 wrong usage.)help");
}

std::optional<QSet<qint32>> idList(const QString& text) {
    QSet<qint32> ids;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const qint32 id = part.trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
        ids.insert(id);
    }
    return ids;
}

} // namespace

int mergeCommand(const QStringList& arguments) {
    CommandLine commandLine(QStringLiteral("merge"), help(), 3, 4);
    const QCommandLineOption partsOption(QStringLiteral("parts"), QString(), QStringLiteral("P"));
    const QCommandLineOption whereOption(QStringLiteral("where"), QString(), QStringLiteral("F"));
    const QCommandLineOption playersOption(QStringLiteral("players"), QString(),
                                           QStringLiteral("IDS"));
    const QCommandLineOption teamsOption(QStringLiteral("teams"), QString(), QStringLiteral("IDS"));
    const QCommandLineOption skipOption(QStringLiteral("skip-refused"));
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"));
    for (const QCommandLineOption& option :
         {partsOption, whereOption, playersOption, teamsOption, skipOption, dryRunOption})
        commandLine.addOption(option);
    if (const auto status = commandLine.parse(arguments))
        return *status;
    const QStringList files = commandLine.positional();
    const bool otherTeams = files.size() == 4;

    DatabaseMerge::Choice choice;
    if (commandLine.isSet(partsOption)) {
        choice.parts = 0;
        for (const QString& name : commandLine.value(partsOption).split(u',', Qt::SkipEmptyParts)) {
            const auto part = DatabaseMerge::partNamed(name);
            if (!part)
                return commandLine.usageError(
                    QCoreApplication::translate("MergeCommand",
                                                "--parts: \"%1\" is none of details, abilities, "
                                                "appearance, squads, team_names")
                        .arg(name.trimmed()));
            choice.parts |= *part;
        }
        if (!otherTeams && (choice.parts & (DatabaseMerge::Squads | DatabaseMerge::TeamNames)))
            return commandLine.usageError(QCoreApplication::translate(
                "MergeCommand", "squads and team_names need the other team file: rosterly-cli "
                                "merge PLAYER_DB TEAM_FILE OTHER_DB OTHER_TEAM_FILE"));
    } else if (!otherTeams) {
        choice.parts =
            DatabaseMerge::Details | DatabaseMerge::Abilities | DatabaseMerge::Appearance;
    }
    for (const auto& [option, target] :
         {std::pair{&playersOption, &choice.playerIds}, {&teamsOption, &choice.teamIds}}) {
        if (!commandLine.isSet(*option))
            continue;
        *target = idList(commandLine.value(*option));
        if (!*target)
            return commandLine.usageError(
                QCoreApplication::translate("MergeCommand", "--%1 takes IDs separated by commas")
                    .arg(option->names().first()));
    }
    QString error;
    const auto filter = PlayerFilter::parse(commandLine.value(whereOption), &error);
    if (!filter)
        return commandLine.usageError(QStringLiteral("--where: ") + error);
    for (const auto& [a, b] : {std::pair{0, 1}, {0, 2}, {1, 3}, {2, 3}, {0, 3}, {1, 2}})
        if (b < files.size() && sameExistingFile(files.at(a), files.at(b)))
            return commandLine.usageError(
                QCoreApplication::translate("MergeCommand", "%1 and %2 are the same file")
                    .arg(files.at(a), files.at(b)));

    // Everything is read before anything is written; the other files only in memory.
    std::vector<std::optional<GameFile>> read;
    for (const QString& path : files) {
        read.push_back(GameFile::read(path, &error));
        if (!read.back()) {
            err(error);
            return Refused;
        }
    }
    for (const int teamFile : {1, 3})
        if (teamFile < int(read.size()))
            if (const QString problem = read[size_t(teamFile)]->problem(TeamSheet::teamFileProblem);
                !problem.isEmpty()) {
                err(problem);
                return Refused;
            }
    const GameFile& database = *read[0];
    const GameFile& teamFile = *read[1];
    if (commandLine.isSet(whereOption) && !filter->isEmpty()) {
        PlayerTableData data;
        const TeamNameLists lists = TeamNameTable::decode(teamFile.bytes);
        data.reset(database.bytes, SquadTeam::listed(lists.names, lists.teamIds));
        std::vector<int> records;
        for (int row = 0; row < data.rowCount(); ++row)
            if (filter->matches(data, row))
                records.push_back(row);
        choice.records = std::move(records);
    }
    const DatabaseMerge::Plan plan = DatabaseMerge::plan(
        {database.bytes, teamFile.bytes},
        {read[2]->bytes, otherTeams ? QByteArrayView(read[3]->bytes) : QByteArrayView()}, choice);
    if (!plan.error.isEmpty()) {
        err(plan.error);
        return Refused;
    }
    for (const DatabaseMerge::PlayerChange& player : plan.players)
        out(player.lines);
    out(plan.squads.changes);
    out(plan.teamNames.changes);
    for (const QString& line : plan.notInThisDatabase)
        out(line);
    for (const QString& note : plan.notes)
        out(QStringLiteral("note: ") + note);
    for (const DatabaseMerge::PlayerChange& player : plan.players)
        for (const QString& note : player.notes)
            out(QStringLiteral("note: ") + note);
    out(plan.summary(int(plan.players.size())));
    if (!plan.refusals.isEmpty()) {
        for (const QString& refusal : plan.refusals)
            err(refusal);
        if (!commandLine.isSet(skipOption)) {
            err(QCoreApplication::translate(
                "MergeCommand", "Nothing was written; --skip-refused writes the rest."));
            return Refused;
        }
    }
    if (commandLine.isSet(dryRunOption)) {
        out(QStringLiteral("dry run: nothing was written"));
        return Done;
    }
    std::vector<GameFileUpdate> updates;
    if (const std::vector<Patch> patches = plan.databasePatches(); !patches.empty())
        updates.push_back({&database, database.patched(patches)});
    if (!plan.teamNames.patches.empty())
        updates.push_back({&teamFile, teamFile.patched(plan.teamNames.patches)});
    if (updates.empty()) {
        out(QStringLiteral("nothing to change: no file was written"));
        return Done;
    }
    QStringList written;
    if (!writeGameFiles(updates, &written, &error)) {
        err(error);
        return Refused;
    }
    out(written);
    return Done;
}
