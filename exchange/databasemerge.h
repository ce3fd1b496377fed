#pragma once

#include "common/workingcopy.h"
#include "exchange/importplan.h"

#include <QByteArrayView>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Values taken from another pair of game files into this database and team file: players matched
// by player ID (a player may sit at another record there), teams by team ID. Each value goes
// through the checks and byte rules of a sheet import of it: the players' cells as a players
// sheet's row (PlayerCells), the squads as a rosters sheet (RosterImport), the team names as a
// teams sheet (TeamSheet); so a merge and a sheet import of the same values give the same bytes.
// Records from the roster table's start on are never written.
namespace DatabaseMerge {

enum Part {
    Details = 1,    // name, name on shirt, age, height, weight, foot, spacing, position
    Abilities = 2,  // the 26 abilities, the playable positions, the special abilities
    Appearance = 4, // face and hair
    Squads = 8,     // the chosen teams' squads, their players mapped by ID
    TeamNames = 16, // the chosen teams' names and short names, as Change name writes them
    AllParts = 31
};
// "details", "abilities", "appearance", "squads", "team_names"
QString partName(Part part);
std::optional<Part> partNamed(const QString& name);

struct Files {
    QByteArrayView database;
    QByteArrayView teamFile; // empty: none (no squads nor team names then)
};

struct Choice {
    int parts = AllParts;
    // Records of this database to take (a filter's); empty: every player that differs.
    std::optional<std::vector<int>> records;
    std::optional<QSet<qint32>> playerIds; // and only these player IDs, when given
    std::optional<QSet<qint32>> teamIds;   // the teams for squads and team names; empty: all
};

struct PlayerChange {
    int record = 0;      // in this database
    int otherRecord = 0; // in the other one
    qint32 id = 0;
    QString name;      // as this database names him
    int parts = 0;     // the parts whose values differ
    QStringList lines; // the changes as the comparison words them
    std::vector<Patch> patches;
    QStringList notes;
};

struct Plan {
    std::vector<PlayerChange> players; // in this database's record order
    QStringList notInThisDatabase;     // "player ID 45001 Carlos Sá: not in this database"
    QStringList notes;                 // what a merge leaves as it is, and why
    ImportPlan squads;                 // patches into this database's roster table
    int squadCount = 0;
    ImportPlan teamNames; // patches into this team file
    int teamNameCount = 0;
    // What cannot be taken: "Austria (team ID 100): slot 4: no player of the database has the
    // ID 99." Left out of the plan; a caller writes the rest only when the user agrees.
    QStringList refusals;
    QString error; // the files cannot be read as their kinds: nothing else is set

    // This database's patches: those of the players (but `leftOut`, records) and the squads.
    std::vector<Patch> databasePatches(const QSet<int>& leftOut = {}) const;
    // "120 players, 3 squads, 2 team names will change"
    QString summary(int players) const;
};

Plan plan(const Files& mine, const Files& other, const Choice& choice);

} // namespace DatabaseMerge
