#pragma once

#include "common/workingcopy.h"
#include "teams/rostertable.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// A team's squad: its roster record, the first in the roster table that carries its team ID.
struct Squad {
    qint32 teamId = 0;
    qint64 recordOffset = 0;             // of the record in the working copy
    std::vector<RosterSlot> rosterSlots; // the 32 as stored (`slots` is a Qt keyword)

    // Looks through at most PlayerLayout::recordCount records, never past the end of `database`
    // (the whole working copy); empty when no whole record carries the ID.
    static std::optional<Squad> read(QByteArrayView database, qint32 teamId);

    // The patches that turn the stored record into one holding `players` in its first slots and
    // empty slots after them: one for each run of bytes whose value changes.
    std::vector<Patch> rewrite(QByteArrayView database,
                               const std::vector<RosterSlot>& players) const;
};

// What a change of the squads writes: the bytes that change, or why nothing may change.
struct SquadChange {
    std::vector<Patch> patches; // in the order of their offsets; none when refused
    QString refusal;            // empty when the change may be written
    bool ok() const { return refusal.isEmpty(); }
};

// A team as the team file lists it.
struct SquadTeam {
    qint32 id = 0;
    QString name;

    // The listed teams, in list order, from the team file's names and team IDs (as the team
    // editor lists them); a team whose ID is no number is left out.
    static QList<SquadTeam> listed(const QStringList& names, const QStringList& teamIds);
    // Each team ID with the name of the first team listed with it, which is whose squad it is.
    static QHash<qint32, QString> firstNames(const QList<SquadTeam>& teams);
};

// The squad rules. Each change reads the one or two roster records it concerns and writes them
// whole in order: the players in the first slots, then the empty slots (player ID 0, shirt number
// 0). A player joins a squad once, with a shirt number from 1 to 99 that no one else in it wears,
// and a squad holds at most 32 players. Whatever was wrong with a squad before (two players with
// one number, a player the database does not hold, a gap) is no reason to refuse a change; what
// the change does not concern stays as it was, apart from closing the gaps. Nothing is written
// here: the caller writes the patches. The refusals are in the language shown; the check's lines,
// which scripts read, stay English.
class SquadRules {
    Q_DECLARE_TR_FUNCTIONS(SquadRules)

public:
    static constexpr int lowestShirtNumber = 1;
    static constexpr int highestShirtNumber = 99;

    using Names = std::function<QString(qint32 id)>;

    // `database` is the whole player database working copy and must outlive the rules; the names
    // of players and teams by ID serve the refusals.
    SquadRules(QByteArrayView database, Names playerName, Names teamName);

    // Takes the player out of one squad and into another, with the number wanted or else his own
    // when it is free there, else the lowest free one.
    SquadChange transfer(qint32 player, qint32 from, qint32 to,
                         std::optional<int> wantedNumber = std::nullopt) const;
    // The same, keeping him in the first squad too (a national team's call-up).
    SquadChange callUp(qint32 player, qint32 from, qint32 to,
                       std::optional<int> wantedNumber = std::nullopt) const;
    // A free agent, in no squad, joins one: with the number wanted, else the lowest free one.
    SquadChange signFreeAgent(qint32 player, qint32 to,
                              std::optional<int> wantedNumber = std::nullopt) const;
    SquadChange release(qint32 player, qint32 from) const;
    // The two change places: each takes the other's slot and shirt number, or the lowest free
    // number when someone else in the new squad wears that one already.
    SquadChange swap(qint32 playerA, qint32 teamA, qint32 playerB, qint32 teamB) const;
    // One place up or down among the players of the squad.
    SquadChange moveUp(qint32 player, qint32 team) const;
    SquadChange moveDown(qint32 player, qint32 team) const;
    SquadChange setShirtNumber(qint32 player, qint32 team, int number) const;

    // Every problem of the rosters and the player table, one line each: player IDs held by more
    // than one record, teams without a roster record, roster records of no team or after a
    // team's own, and in each squad players the database does not hold, a player twice, shirt
    // numbers outside 1-99 or worn twice, and empty slots before filled ones. The roster table
    // has no count: it is taken to end with the last record a team of `teams` owns.
    static QStringList check(QByteArrayView database, const QList<SquadTeam>& teams);

private:
    SquadChange join(qint32 player, qint32 from, qint32 to, std::optional<int> wantedNumber,
                     bool leave) const;
    SquadChange move(qint32 player, qint32 team, int step) const;
    QString player(qint32 id) const;
    QString team(qint32 id) const;
    QString noRecord(qint32 teamId) const;
    QString taken(int number, qint32 wearer, qint32 teamId) const;

    QByteArrayView m_database;
    Names m_playerName;
    Names m_teamName;
};
