#pragma once

#include "cli/commandline.h"
#include "cli/gamefile.h"
#include "teams/playerroll.h"
#include "teams/squad.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// What the squad commands read: the player database, whose roster table they show, check and
// change, and the team file, which lists the teams and names them. Only the player database is
// ever written.
class SquadFiles {
public:
    // The files named by the command's first two positional arguments. Empty when they cannot be
    // read or are not of their kinds, with the reason on standard error and `*status` set to
    // `unreadable`; when both are the same file it is a usage error.
    static std::optional<SquadFiles> read(const CommandLine& commandLine, int unreadable,
                                          int* status);

    const GameFile& database() const { return m_database; }
    // The teams with a team ID, in list order (a team listed past the end of the short names has
    // none).
    const QList<SquadTeam>& teams() const { return m_teams; }

    // Why a team ID given on the command line is not taken: the team file lists no team with it.
    // Empty when it does.
    QString unlistedTeam(qint32 teamId) const;
    // The first listed team's name; empty for an ID no team has.
    QString teamName(qint32 teamId) const { return m_teamNames.value(teamId); }
    // The name of the player list's first record 0-6449 with the ID; empty when none has it.
    QString playerName(qint32 playerId) const;
    bool holds(qint32 playerId) const { return m_players && m_players->holds(playerId); }
    // "Boris Brown (7)", or "player ID 7" for an ID no player of the database has.
    QString player(qint32 playerId) const;
    // The team's name, or "team ID 555" for an ID the team file does not list.
    QString team(qint32 teamId) const;

    // The listed teams whose squad holds the player, each once, in list order.
    QList<qint32> squadsOf(qint32 playerId) const;

    // The rules over the player database as read, naming players and teams as above; rulesOver()
    // gives them over other bytes (which must outlive them), such as a scratch copy.
    SquadRules rules() const { return rulesOver(m_database.bytes); }
    SquadRules rulesOver(QByteArrayView database) const;

    // Writes the player database with `newBytes` in place of its bytes as import writes a game
    // file (atomically, in its own form, after a backup), or with `dryRun` only says that nothing
    // was written. Returns the exit status.
    int write(const QByteArray& newBytes, bool dryRun) const;

private:
    GameFile m_database;
    QList<SquadTeam> m_teams;
    QHash<qint32, QString> m_teamNames;  // the first listed team of each ID
    std::optional<PlayerRoll> m_players; // over m_database's bytes
};

// Says on standard error why a change is refused and that nothing was written; returns the exit
// status.
int refuseChange(const QString& reason);

// A player or team ID given on the command line, a whole number as the roster table stores it
// (32-bit signed); empty when the text is none.
std::optional<qint32> idArgument(const QString& text);

// The ID an option gives. Empty after a usage error, its exit status in `status`, when the option
// is missing or its value is no ID; for playerOption() also for player ID 0, which marks an empty
// slot.
std::optional<qint32> idOption(const CommandLine& commandLine, const QCommandLineOption& option,
                               int* status);
std::optional<qint32> playerOption(const CommandLine& commandLine, const QCommandLineOption& option,
                                   int* status);
