#include "cli/clioutput.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/squadfiles.h"

#include <QCoreApplication>

using namespace CliOutput;

namespace {

QString help() {
    return QCoreApplication::translate(
        "ReleaseCommand",
        R"help(usage: rosterly-cli release PLAYER_DB TEAM_FILE --player ID --from TEAM_ID [--dry-run]

Takes the player with ID out of the squad of the team --from (a team the team file lists), with
the editor's squad rules: the players after him move up a slot, and the empty slots go
after the players. He stays in any other squad he is in.

  --dry-run   print the change, write nothing

Prints the change, "Boris Brown (7): released from Brazil", then replaces the player database in
one atomic step (a compressed game file is compressed again; a working copy, *.unzlib, is written
as it is), after the file as it was is kept in the folder backups beside it. The team file is only
read.

Exit status: 0 done, 1 refused (the reason on standard error, nothing written) or a file cannot
be read, 2 wrong usage.)help");
}

} // namespace

int releaseCommand(const QStringList& arguments) {
    CommandLine commandLine(QStringLiteral("release"), help(), 2, 2);
    const QCommandLineOption playerIdOption(QStringLiteral("player"), QString(),
                                            QStringLiteral("ID"));
    const QCommandLineOption fromOption(QStringLiteral("from"), QString(),
                                        QStringLiteral("TEAM_ID"));
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"));
    for (const QCommandLineOption& option : {playerIdOption, fromOption, dryRunOption})
        commandLine.addOption(option);
    if (const auto status = commandLine.parse(arguments))
        return *status;
    int status = Done;
    const auto player = playerOption(commandLine, playerIdOption, &status);
    const auto from = player ? idOption(commandLine, fromOption, &status) : std::nullopt;
    if (!from)
        return status;

    const auto files = SquadFiles::read(commandLine, Refused, &status);
    if (!files)
        return status;
    if (const QString unlisted = files->unlistedTeam(*from); !unlisted.isEmpty())
        return refuseChange(unlisted);
    const SquadChange change = files->rules().release(*player, *from);
    if (!change.ok())
        return refuseChange(change.refusal);
    out(QStringLiteral("%1: released from %2").arg(files->player(*player), files->team(*from)));
    return files->write(files->database().patched(change.patches), commandLine.isSet(dryRunOption));
}
