#include "cli/clioutput.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/squadfiles.h"

#include <QCoreApplication>

using namespace CliOutput;

namespace {

QString help() {
    return QCoreApplication::translate("CheckCommand",
                                       R"help(usage: rosterly-cli check PLAYER_DB TEAM_FILE

Checks the rosters of the player database against the teams the team file lists and prints every
problem, one line each: player IDs held by more than one record, teams without a roster record,
roster records of no team or after a team's own, and in each squad players the database does not
hold, a player twice, shirt numbers outside 1-99 or worn twice, and empty slots before filled
ones. Prints "no problems" when there are none. Nothing is written.

Exit status: 0 no problems, 1 problems, 2 a file could not be read or wrong usage.)help");
}

} // namespace

int checkCommand(const QStringList& arguments) {
    CommandLine commandLine(QStringLiteral("check"), help(), 2, 2);
    if (const auto status = commandLine.parse(arguments))
        return *status;
    int status = Done;
    // As with diff, 1 means the answer "problems", so a file that cannot be read is told by 2.
    const auto files = SquadFiles::read(commandLine, WrongUsage, &status);
    if (!files)
        return status;
    const QStringList problems = SquadRules::check(files->database().bytes, files->teams());
    out(problems.isEmpty() ? QStringList{QStringLiteral("no problems")} : problems);
    return problems.isEmpty() ? Done : Refused;
}
