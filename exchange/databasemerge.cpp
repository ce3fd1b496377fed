#include "exchange/databasemerge.h"

#include "exchange/databasediff.h"
#include "exchange/playercells.h"
#include "exchange/playercolumns.h"
#include "exchange/playersheet.h"
#include "exchange/rosterimport.h"
#include "exchange/teamsheet.h"
#include "player/playerrecord.h"
#include "player/shownplayer.h"
#include "sheetformats/sheettable.h"
#include "teamnames/teamnametable.h"
#include "teams/squad.h"

#include <QCoreApplication>
#include <QHash>
#include <QtEndian>

#include <algorithm>
#include <map>

namespace DatabaseMerge {

namespace {

namespace L = PlayerLayout;
using PlayerColumns::Kind;

constexpr std::pair<Part, const char*> partNames[] = {{Details, "details"},
                                                      {Abilities, "abilities"},
                                                      {Appearance, "appearance"},
                                                      {Squads, "squads"},
                                                      {TeamNames, "team_names"}};

Part partOf(Kind kind) {
    switch (kind) {
    case Kind::Ability:
    case Kind::Check:
        return Abilities;
    case Kind::Face:
    case Kind::Hair:
        return Appearance;
    default:
        return Details;
    }
}

qint32 idAt(QByteArrayView database, int record) {
    return qFromLittleEndian<qint32>(database.data() + L::recordStart(record));
}

// Each player ID of records 0-6449 with the first record holding it, as the player list's walk
// from the top finds him.
QHash<qint32, int> recordsById(QByteArrayView database) {
    QHash<qint32, int> records;
    for (int record = 0; record < L::editableRecordCount; ++record) {
        const qint32 id = idAt(database, record);
        if (id != 0 && !records.contains(id))
            records.insert(id, record);
    }
    return records;
}

QString who(int record, const ShownPlayer& player) {
    return QStringLiteral("%1 %2 %3").arg(record).arg(player.id).arg(player.name);
}

// A sheet built in memory: a header row, then rows of cells, numbered as a spreadsheet numbers
// them (the header is row 1).
class Sheet {
public:
    explicit Sheet(const QStringList& header) { row(header); }
    int row(const QStringList& cells) {
        for (const QString& cell : cells)
            m_table.addCell(cell.toUtf8());
        m_table.endRow(++m_rows);
        return m_rows;
    }
    const SheetTable& table() const { return m_table; }

private:
    SheetTable m_table;
    int m_rows = 0;
};

// Which team a refusal of a sheet plan is about, by the row it names; the refusal in words of
// the team. `rowTeam` gives each row's team.
struct TeamRefusal {
    qint32 team = 0;
    QString line;
};
std::vector<TeamRefusal> teamRefusals(const ImportPlan& planned,
                                      const std::map<int, qint32>& rowTeam,
                                      const QHash<qint32, QString>& names,
                                      const std::map<int, int>& rowSlot) {
    std::vector<TeamRefusal> result;
    for (qsizetype i = 0; i < planned.errors.size(); ++i) {
        // The closing "… and N more" has no parts and names no row.
        const SheetError refusal =
            size_t(i) < planned.errorParts.size() ? planned.errorParts[size_t(i)] : SheetError{};
        const auto team = rowTeam.find(refusal.row);
        if (team == rowTeam.end()) {
            result.push_back({0, planned.errors.at(i)});
            continue;
        }
        const QString name = names.value(team->second);
        const QString id = QString::number(team->second);
        const auto slot = rowSlot.find(refusal.row);
        QString line;
        if (slot == rowSlot.end())
            //: %1 is a team's name, %2 its team ID, %3 what is wrong
            line = QCoreApplication::translate("DatabaseMerge", "%1 (team ID %2): %3")
                       .arg(name, id, refusal.what);
        else
            //: %1 is a team's name, %2 its team ID, %3 a slot number, %4 what is wrong
            line = QCoreApplication::translate("DatabaseMerge", "%1 (team ID %2), slot %3: %4")
                       .arg(name, id, QString::number(slot->second), refusal.what);
        result.push_back({team->second, line});
    }
    return result;
}

// Plans a sheet built for some teams; the teams a refusal names are left out and the sheet is
// planned again without them. `build` writes the rows of the teams not left out.
ImportPlan planTeams(const std::function<ImportPlan(const SheetTable&)>& plan,
                     const std::function<Sheet(const QSet<qint32>&, std::map<int, qint32>&,
                                               std::map<int, int>&)>& build,
                     const QHash<qint32, QString>& names, QStringList& refusals) {
    QSet<qint32> leftOut;
    for (;;) {
        std::map<int, qint32> rowTeam;
        std::map<int, int> rowSlot;
        const Sheet sheet = build(leftOut, rowTeam, rowSlot);
        if (rowTeam.empty())
            return {};
        ImportPlan planned = plan(sheet.table());
        if (planned.ok())
            return planned;
        bool newTeam = false;
        for (const TeamRefusal& refusal : teamRefusals(planned, rowTeam, names, rowSlot)) {
            refusals << refusal.line;
            if (refusal.team != 0 && !leftOut.contains(refusal.team)) {
                leftOut.insert(refusal.team);
                newTeam = true;
            }
        }
        if (!newTeam)
            return {}; // a refusal of the sheet as a whole: nothing of it goes
    }
}

} // namespace

QString partName(Part part) {
    for (const auto& [known, name] : partNames)
        if (known == part)
            return QString::fromLatin1(name);
    return {};
}

std::optional<Part> partNamed(const QString& name) {
    for (const auto& [part, known] : partNames)
        if (name.trimmed().compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return part;
    return std::nullopt;
}

std::vector<Patch> Plan::databasePatches(const QSet<int>& leftOut) const {
    std::vector<Patch> patches;
    for (const PlayerChange& player : players)
        if (!leftOut.contains(player.record))
            patches.insert(patches.end(), player.patches.begin(), player.patches.end());
    patches.insert(patches.end(), squads.patches.begin(), squads.patches.end());
    return patches;
}

QString Plan::summary(int changedPlayers) const {
    const QString players =
        (changedPlayers == 1 ? QCoreApplication::translate("DatabaseMerge", "%1 player")
                             : QCoreApplication::translate("DatabaseMerge", "%1 players"))
            .arg(changedPlayers);
    const QString squads =
        (squadCount == 1 ? QCoreApplication::translate("DatabaseMerge", "%1 squad")
                         : QCoreApplication::translate("DatabaseMerge", "%1 squads"))
            .arg(squadCount);
    const QString teamNames =
        (teamNameCount == 1 ? QCoreApplication::translate("DatabaseMerge", "%1 team name")
                            : QCoreApplication::translate("DatabaseMerge", "%1 team names"))
            .arg(teamNameCount);
    //: %1 is "120 players", %2 "3 squads", %3 "2 team names"
    return QCoreApplication::translate("DatabaseMerge", "%1, %2, %3 will change")
        .arg(players, squads, teamNames);
}

Plan plan(const Files& mine, const Files& other, const Choice& choice) {
    Plan result;
    if (const QString problem = PlayerSheet::databaseProblem(mine.database); !problem.isEmpty()) {
        //: %1 says what is wrong with the player database
        result.error =
            QCoreApplication::translate("DatabaseMerge", "this player database: %1").arg(problem);
        return result;
    }
    if (const QString problem = PlayerSheet::databaseProblem(other.database); !problem.isEmpty()) {
        //: %1 says what is wrong with the other player database
        result.error = QCoreApplication::translate("DatabaseMerge", "the other player database: %1")
                           .arg(problem);
        return result;
    }
    const bool teamParts = (choice.parts & (Squads | TeamNames)) != 0;
    if (teamParts && (mine.teamFile.isEmpty() || other.teamFile.isEmpty())) {
        result.error = QCoreApplication::translate(
            "DatabaseMerge", "the squads and the team names need both team files.");
        return result;
    }

    // ---- Players ----
    const QHash<qint32, int> mineById = recordsById(mine.database);
    const QHash<qint32, int> otherById = recordsById(other.database);
    std::vector<int> records;
    if (choice.records) {
        records = *choice.records;
    } else {
        for (int record = 0; record < L::editableRecordCount; ++record)
            records.push_back(record);
    }
    std::vector<int> columns;
    const auto& all = PlayerColumns::all();
    for (size_t c = 0; c < all.size(); ++c)
        if (all[c].kind != Kind::Index && all[c].kind != Kind::Id &&
            (choice.parts & partOf(all[c].kind)))
            columns.push_back(int(c));
    const bool anyPlayerPart = !columns.empty();
    for (const int record : records) {
        if (!anyPlayerPart || record < 0 || record >= L::editableRecordCount)
            continue;
        const qint32 id = idAt(mine.database, record);
        if (mineById.value(id, -1) != record ||
            (choice.playerIds && !choice.playerIds->contains(id)))
            continue; // a later record of an ID held twice is not the player
        const auto otherRecord = otherById.find(id);
        if (otherRecord == otherById.end())
            continue; // nothing of him to take
        // The same bytes show the same values: most players of two databases, at once.
        if (mine.database.sliced(L::recordStart(record), L::recordSize) ==
            other.database.sliced(L::recordStart(*otherRecord), L::recordSize))
            continue;
        const ShownPlayer shown = ShownPlayer::at(mine.database, record);
        const ShownPlayer theirs = ShownPlayer::at(other.database, *otherRecord);
        std::vector<PlayerCells::Cell> cells;
        for (const int column : columns) {
            const PlayerColumns::Column& c = all[size_t(column)];
            if (c.kind == Kind::Foot && theirs.footEntry < 0) {
                if (shown.footEntry >= 0)
                    //: %1 names the player; "foot" is the name of the sheet's column
                    result.notes << QCoreApplication::translate(
                                        "DatabaseMerge",
                                        "%1: foot: the other file's foot byte %2 is no entry of "
                                        "the list; left as it is.")
                                        .arg(who(record, shown), theirs.footText);
                continue;
            }
            cells.push_back({column, PlayerColumns::text(c, *otherRecord, theirs)});
        }
        const PlayerCells::Result planned = PlayerCells::plan(mine.database, record, shown, cells);
        if (!planned.ok()) {
            for (const QString& why : planned.refusals)
                result.refusals << who(record, shown) + QStringLiteral(": ") + why;
            continue;
        }
        ImportPlan one;
        PlayerSheet::addRecord(one, record, shown, planned.edit, mine.database);
        if (one.patches.empty())
            continue;
        PlayerChange change{record,      *otherRecord,           id,       shown.name, 0,
                            one.changes, std::move(one.patches), one.notes};
        const ShownPlayer after = ShownPlayer::ofRecord(planned.edit.record);
        for (const int column : columns)
            if (PlayerColumns::differs(all[size_t(column)], shown, after))
                change.parts |= partOf(all[size_t(column)].kind);
        result.players.push_back(std::move(change));
    }
    if (anyPlayerPart && !choice.records)
        for (int record = 0; record < L::editableRecordCount; ++record) {
            const qint32 id = idAt(other.database, record);
            if (id != 0 && otherById.value(id) == record && !mineById.contains(id) &&
                (!choice.playerIds || choice.playerIds->contains(id)))
                //: %1 is a player ID, %2 the player's name
                result.notInThisDatabase
                    << QCoreApplication::translate("DatabaseMerge",
                                                   "player ID %1 %2: not in this database")
                           .arg(id)
                           .arg(ShownPlayer::at(other.database, record).name);
        }
    if (!teamParts)
        return result;

    // ---- Teams: those both team files list, by team ID ----
    const TeamNameLists mineLists = TeamNameTable::decode(mine.teamFile);
    const TeamNameLists otherLists = TeamNameTable::decode(other.teamFile);
    const QHash<qint32, QString> names =
        SquadTeam::firstNames(SquadTeam::listed(mineLists.names, mineLists.teamIds));
    QHash<qint32, int> otherPosition; // the first list position of each team ID there
    for (qsizetype p = 0; p < otherLists.teamIds.size(); ++p) {
        bool ok = false;
        const qint32 id = otherLists.teamIds[p].toInt(&ok);
        if (ok && !otherPosition.contains(id))
            otherPosition.insert(id, int(p));
    }
    std::vector<std::pair<qint32, int>> teams; // team ID and its first position here
    QSet<qint32> seen;
    for (qsizetype p = 0; p < mineLists.teamIds.size(); ++p) {
        bool ok = false;
        const qint32 id = mineLists.teamIds[p].toInt(&ok);
        if (!ok || seen.contains(id) || !otherPosition.contains(id) ||
            (choice.teamIds && !choice.teamIds->contains(id)))
            continue;
        seen.insert(id);
        teams.push_back({id, int(p)});
    }

    if (choice.parts & Squads) {
        const auto filled = [](const Squad& squad) {
            std::vector<RosterSlot> players;
            for (const RosterSlot& slot : squad.rosterSlots)
                if (slot.playerId != RosterLayout::emptySlot)
                    players.push_back(slot);
            return players;
        };
        std::vector<std::pair<qint32, std::vector<RosterSlot>>> changed;
        for (const auto& [id, position] : teams) {
            const auto ours = Squad::read(mine.database, id);
            const auto theirs = Squad::read(other.database, id);
            if (!ours || !theirs)
                continue;
            const std::vector<RosterSlot> wanted = filled(*theirs);
            const std::vector<RosterSlot> now = filled(*ours);
            const bool same =
                std::equal(wanted.begin(), wanted.end(), now.begin(), now.end(),
                           [](const RosterSlot& a, const RosterSlot& b) {
                               return a.playerId == b.playerId && a.shirtNumber == b.shirtNumber;
                           });
            if (same)
                continue;
            if (wanted.empty()) {
                result.notes << QCoreApplication::translate(
                                    "DatabaseMerge",
                                    "%1 (team ID %2): the other squad is empty; left as it is.")
                                    .arg(names.value(id))
                                    .arg(id);
                continue;
            }
            changed.push_back({id, wanted});
        }
        if (!changed.empty()) {
            result.squads = planTeams(
                [&](const SheetTable& table) {
                    return RosterImport::plan(mine.database, mine.teamFile, table);
                },
                [&](const QSet<qint32>& leftOut, std::map<int, qint32>& rowTeam,
                    std::map<int, int>& rowSlot) {
                    Sheet sheet({QStringLiteral("team_id"), QStringLiteral("slot"),
                                 QStringLiteral("player_id"), QStringLiteral("shirt_number")});
                    for (const auto& [id, players] : changed) {
                        if (leftOut.contains(id))
                            continue;
                        for (size_t slot = 0; slot < players.size(); ++slot) {
                            const int row = sheet.row({QString::number(id), QString::number(slot),
                                                       QString::number(players[slot].playerId),
                                                       QString::number(players[slot].shirtNumber)});
                            rowTeam[row] = id;
                            rowSlot[row] = int(slot);
                        }
                    }
                    return sheet;
                },
                names, result.refusals);
            result.squadCount = result.squads.recordCount;
        }
    }

    if (choice.parts & TeamNames) {
        std::vector<std::tuple<qint32, int, QString, QString>> renamed;
        for (const auto& [id, position] : teams) {
            const int theirs = otherPosition.value(id);
            const QString name = otherLists.names.value(theirs);
            // A team listed past the end of the short names there has none to take.
            const QString shortName = theirs < otherLists.shortNames.size()
                                          ? otherLists.shortNames.at(theirs)
                                          : mineLists.shortNames.value(position);
            if (name != mineLists.names.value(position) ||
                shortName != mineLists.shortNames.value(position))
                renamed.emplace_back(id, position, name, shortName);
        }
        if (!renamed.empty()) {
            result.teamNames = planTeams(
                [&](const SheetTable& table) { return TeamSheet::plan(mine.teamFile, table); },
                [&](const QSet<qint32>& leftOut, std::map<int, qint32>& rowTeam,
                    std::map<int, int>&) {
                    Sheet sheet({QStringLiteral("position"), QStringLiteral("name"),
                                 QStringLiteral("short_name")});
                    for (const auto& [id, position, name, shortName] : renamed)
                        if (!leftOut.contains(id))
                            rowTeam[sheet.row({QString::number(position), name, shortName})] = id;
                    return sheet;
                },
                names, result.refusals);
            result.teamNameCount = result.teamNames.recordCount;
        }
    }
    return result;
}

} // namespace DatabaseMerge
