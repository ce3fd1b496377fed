#include "cli/clioutput.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/gamefile.h"
#include "exchange/databasediff.h"
#include "exchange/playersheet.h"
#include "exchange/teamsheet.h"
#include "teamnames/teamnametable.h"

#include <QCoreApplication>

#include <functional>

using namespace CliOutput;

namespace {

QString help() {
    return QCoreApplication::translate(
        "DiffCommand", R"help(usage: rosterly-cli diff OLD_DB NEW_DB [OLD_TEAMS NEW_TEAMS]

Lists every field that differs between two player databases, one line per field,
"index id name: field old -> new" (the fields of players.csv, then any other bytes of a record as
"bytes A-B"), and then a count. With two team files also their differences, by list position:
"position team_id name: field old -> new". Then the squads of the roster table, slot by slot and
player by player: "Austria: slot 3 Adam Adams (7) -> Boris Brown (7)", "Boris Brown: Brazil ->
Austria" (teams named by NEW_TEAMS when given, else "team ID 100"). Game files may be compressed
game files or working copies (*.unzlib), in any mix.

Exit status: 0 no differences, 1 differences, 2 a file could not be read or wrong usage.)help");
}

// Reads both files and compares them; the exit status on trouble, or the number of lines.
std::optional<int>
compare(const QString& oldPath, const QString& newPath, QString (*problemOf)(QByteArrayView),
        const std::function<DatabaseDiff::Result(QByteArrayView, QByteArrayView)>& diff,
        const QString& what, int* differences) {
    QString error;
    const auto before = GameFile::read(oldPath, &error);
    const auto after = before ? GameFile::read(newPath, &error) : std::nullopt;
    if (!after) {
        err(error);
        return WrongUsage;
    }
    // The message names the file that is not of its kind.
    for (const GameFile* file : {&*before, &*after}) {
        if (const QString problem = file->problem(problemOf); !problem.isEmpty()) {
            err(problem);
            return WrongUsage;
        }
    }
    const DatabaseDiff::Result result = diff(before->bytes, after->bytes);
    if (!result.error.isEmpty()) {
        err(result.error);
        return WrongUsage;
    }
    out(result.lines);
    out(result.lines.isEmpty() ? QStringLiteral("%1: no differences").arg(what)
                               : QStringLiteral("%1: %2 %3 in %4 %5")
                                     .arg(what)
                                     .arg(result.fieldCount)
                                     .arg(result.fieldCount == 1 ? QStringLiteral("difference")
                                                                 : QStringLiteral("differences"))
                                     .arg(result.recordCount)
                                     .arg(result.recordCount == 1 ? QStringLiteral("record")
                                                                  : QStringLiteral("records")));
    *differences += result.fieldCount;
    return std::nullopt;
}

} // namespace

int diffCommand(const QStringList& arguments) {
    CommandLine commandLine(QStringLiteral("diff"), help(), 2, 4);
    if (const auto status = commandLine.parse(arguments))
        return *status;
    const QStringList files = commandLine.positional();
    if (files.size() == 3)
        return commandLine.usageError(
            QCoreApplication::translate("DiffCommand", "give both team files, or neither"));
    int differences = 0;
    if (const auto status = compare(files.at(0), files.at(1), PlayerSheet::databaseProblem,
                                    DatabaseDiff::players, QStringLiteral("players"), &differences))
        return *status;
    QHash<qint32, QString> teamNames;
    if (files.size() == 4) {
        if (const auto status = compare(files.at(2), files.at(3), TeamSheet::teamFileProblem,
                                        DatabaseDiff::teams, QStringLiteral("teams"), &differences))
            return *status;
        QString error;
        if (const auto teamFile = GameFile::read(files.at(3), &error)) {
            const TeamNameLists teams = TeamNameTable::decode(teamFile->bytes);
            for (int t = 0; t < teams.names.size() && t < teams.teamIds.size(); ++t)
                teamNames.insert(teams.teamIds.at(t).toInt(), teams.names.at(t));
        }
    }
    const auto rosters = [&](QByteArrayView before, QByteArrayView after) {
        return DatabaseDiff::rosters(before, after, teamNames);
    };
    if (const auto status = compare(files.at(0), files.at(1), PlayerSheet::databaseProblem, rosters,
                                    QStringLiteral("rosters"), &differences))
        return *status;
    return differences > 0 ? 1 : 0;
}
