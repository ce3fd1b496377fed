#include "cli/clioutput.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/squadfiles.h"

#include <QCoreApplication>

using namespace CliOutput;

namespace {

QString help() {
    return QCoreApplication::translate("SquadCommand",
                                       R"help(usage: rosterly-cli squad PLAYER_DB TEAM_FILE TEAM_ID

Prints the squad of the team with TEAM_ID: its roster record, the first in the player database's
roster table that carries the ID. First a line with the team's name, its ID and the number of
players, "Austria (team ID 100): 25 players", then one line per filled slot in slot order, with
four fields separated by tabs: the slot (0-31), the shirt number, the player ID and the player's
name ("(no player of the database)" for an ID no record 0-6449 holds). TEAM_ID must be a team
the team file lists; a negative one goes after --: rosterly-cli squad PLAYER_DB TEAM_FILE -- -1.
The teams and their IDs are listed in teams.csv, which rosterly-cli export writes.

Exit status: 0 printed, 1 the team file lists no such team, the team has no roster record or a
file cannot be read, 2 wrong usage.)help");
}

} // namespace

int squadCommand(const QStringList& arguments) {
    CommandLine commandLine(QStringLiteral("squad"), help(), 3, 3);
    if (const auto status = commandLine.parse(arguments))
        return *status;
    const auto teamId = idArgument(commandLine.positional().at(2));
    if (!teamId)
        return commandLine.usageError(
            QCoreApplication::translate("SquadCommand", "TEAM_ID is a number, not \"%1\"")
                .arg(commandLine.positional().at(2)));
    int status = Done;
    const auto files = SquadFiles::read(commandLine, Refused, &status);
    if (!files)
        return status;
    if (const QString unlisted = files->unlistedTeam(*teamId); !unlisted.isEmpty()) {
        err(unlisted);
        return Refused;
    }
    const std::optional<Squad> squad = Squad::read(files->database().bytes, *teamId);
    if (!squad) {
        err(QCoreApplication::translate("SquadCommand",
                                        "%1 has no roster record in the player database.")
                .arg(files->team(*teamId)));
        return Refused;
    }
    QStringList lines;
    for (size_t s = 0; s < squad->rosterSlots.size(); ++s) {
        const RosterSlot& slot = squad->rosterSlots[s];
        if (slot.playerId == RosterLayout::emptySlot)
            continue;
        lines << QStringLiteral("%1\t%2\t%3\t%4")
                     .arg(QString::number(s), QString::number(slot.shirtNumber),
                          QString::number(slot.playerId),
                          files->holds(slot.playerId)
                              ? files->playerName(slot.playerId)
                              : QStringLiteral("(no player of the database)"));
    }
    // Multi-argument arg(): a name holding "%2" stays as it is.
    out(QStringLiteral("%1 (team ID %2): %3 %4")
            .arg(files->team(*teamId), QString::number(*teamId), QString::number(lines.size()),
                 lines.size() == 1 ? QStringLiteral("player") : QStringLiteral("players")));
    out(lines);
    return Done;
}
