#include "cli/clioutput.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/squadfiles.h"
#include "common/inwords.h"

#include <QCoreApplication>

#include <algorithm>

using namespace CliOutput;

namespace {

QString help() {
    return QCoreApplication::translate(
        "TransferCommand",
        R"help(usage: rosterly-cli transfer PLAYER_DB TEAM_FILE --player ID --to TEAM_ID [--from TEAM_ID]
                             [--number N] [--call-up] [--dry-run]

Takes the player with ID out of the squad of the team --from and into the squad of the team --to,
with the editor's squad rules: he joins after the players there, with shirt number N, or
else the number he wore when no one in the new squad wears it, or else the lowest free one. A
squad holds at most 32 players, each once, with numbers from 1 to 99 that no one else in it
wears; the empty slots of a changed squad go after its players. Team IDs are those the team file
lists.

Without --from the player leaves the one squad he is in (apart from that of --to). A player in
several needs --from; a player in none, a free agent, joins --to.

  --call-up   keep him in the squad of --from too (a national team's call-up)
  --dry-run   print the change, write nothing

Prints the change, "Boris Brown (7): Brazil -> Austria, shirt number 7" ("called up from Brazil
to Austria", "free agent -> Austria" for the others), then replaces the player database in one
atomic step (a compressed game file is compressed again; a working copy, *.unzlib, is written as
it is), after the file as it was is kept in the folder backups beside it. The team file is only
read.

Exit status: 0 done, 1 refused (the reason on standard error, nothing written) or a file cannot
be read, 2 wrong usage.)help");
}

} // namespace

int transferCommand(const QStringList& arguments) {
    CommandLine commandLine(QStringLiteral("transfer"), help(), 2, 2);
    const QCommandLineOption playerIdOption(QStringLiteral("player"), QString(),
                                            QStringLiteral("ID"));
    const QCommandLineOption toOption(QStringLiteral("to"), QString(), QStringLiteral("TEAM_ID"));
    const QCommandLineOption fromOption(QStringLiteral("from"), QString(),
                                        QStringLiteral("TEAM_ID"));
    const QCommandLineOption numberOption(QStringLiteral("number"), QString(), QStringLiteral("N"));
    const QCommandLineOption callUpOption(QStringLiteral("call-up"));
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"));
    for (const QCommandLineOption& option :
         {playerIdOption, toOption, fromOption, numberOption, callUpOption, dryRunOption})
        commandLine.addOption(option);
    if (const auto status = commandLine.parse(arguments))
        return *status;
    int status = Done;
    const auto player = playerOption(commandLine, playerIdOption, &status);
    const auto to = player ? idOption(commandLine, toOption, &status) : std::nullopt;
    if (!to)
        return status;
    std::optional<qint32> from;
    if (commandLine.isSet(fromOption) && !(from = idOption(commandLine, fromOption, &status)))
        return status;
    std::optional<int> number;
    if (commandLine.isSet(numberOption)) {
        bool ok = false;
        number = commandLine.value(numberOption).toInt(&ok, 10);
        if (!ok)
            return commandLine.usageError(
                QCoreApplication::translate("TransferCommand",
                                            "--number takes a shirt number, not \"%1\"")
                    .arg(commandLine.value(numberOption)));
    }
    const bool callUp = commandLine.isSet(callUpOption);

    const auto files = SquadFiles::read(commandLine, Refused, &status);
    if (!files)
        return status;
    for (const std::optional<qint32>& team : {to, from})
        if (team)
            if (const QString unlisted = files->unlistedTeam(*team); !unlisted.isEmpty())
                return refuseChange(unlisted);
    if (!from) {
        QList<qint32> squads = files->squadsOf(*player);
        squads.removeAll(*to);
        if (squads.size() > 1) {
            QStringList teams;
            for (const qint32 team : squads)
                teams << QCoreApplication::translate("TransferCommand", "%1 (team ID %2)")
                             .arg(files->team(team), QString::number(team));
            // Standard output names such a player in English ("Player ID 7"); here he is named
            // in the language of the other messages.
            const QString who =
                files->holds(*player)
                    ? files->player(*player)
                    : QCoreApplication::translate("TransferCommand", "Player ID %1").arg(*player);
            //: %2 is the number of squads (always more than one), %3 lists them
            return refuseChange(QCoreApplication::translate("TransferCommand",
                                                            "%1 is in %2 squads: %3; say which he "
                                                            "leaves with --from TEAM_ID.")
                                    .arg(who, QString::number(squads.size()), inWords(teams)));
        }
        if (!squads.isEmpty())
            from = squads.constFirst();
        else if (!files->holds(*player))
            return refuseChange(
                QCoreApplication::translate("TransferCommand",
                                            "No player of the database has player ID %1.")
                    .arg(*player));
    }

    const SquadRules rules = files->rules();
    const SquadChange change = !from    ? rules.signFreeAgent(*player, *to, number)
                               : callUp ? rules.callUp(*player, *from, *to, number)
                                        : rules.transfer(*player, *from, *to, number);
    if (!change.ok())
        return refuseChange(change.refusal);

    const QByteArray changed = files->database().patched(change.patches);
    const std::optional<Squad> joined = Squad::read(changed, *to);
    const auto slot =
        std::find_if(joined->rosterSlots.begin(), joined->rosterSlots.end(),
                     [&](const RosterSlot& filled) { return filled.playerId == *player; });
    Q_ASSERT(slot != joined->rosterSlots.end()); // the rules put him there
    const QString move =
        !from ? QStringLiteral("free agent -> %1").arg(files->team(*to))
        : callUp
            ? QStringLiteral("called up from %1 to %2").arg(files->team(*from), files->team(*to))
            : QStringLiteral("%1 -> %2").arg(files->team(*from), files->team(*to));
    out(QStringLiteral("%1: %2, shirt number %3")
            .arg(files->player(*player), move, QString::number(slot->shirtNumber)));
    return files->write(changed, commandLine.isSet(dryRunOption));
}
