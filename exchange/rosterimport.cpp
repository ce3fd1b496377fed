#include "exchange/rosterimport.h"

#include "exchange/cellvalue.h"
#include "exchange/playersheet.h"
#include "exchange/sheetheader.h"
#include "exchange/squadchangelines.h"
#include "exchange/teamsheet.h"
#include "player/playerrecord.h"
#include "teamnames/teamnametable.h"
#include "teams/squad.h"

#include <QHash>
#include <QtEndian>

#include <map>

namespace RosterImport {

namespace {

namespace L = PlayerLayout;

enum Column { TeamId, TeamName, Slot, PlayerId, PlayerName, ShirtNumber };

const QStringList& columnNames() {
    static const QStringList names{QStringLiteral("team_id"),     QStringLiteral("team_name"),
                                   QStringLiteral("slot"),        QStringLiteral("player_id"),
                                   QStringLiteral("player_name"), QStringLiteral("shirt_number")};
    return names;
}

struct WantedSlot {
    RosterSlot slot;
    int row = 0;
};

// A team of the sheet: its slots by slot number, as its rows give them.
struct WantedSquad {
    QString name;
    Squad squad;
    std::map<int, WantedSlot> bySlot;
};

// The teams of the team file by ID, and the players by the change lines' names.
class Lookup : public SquadChangeLines {
public:
    Lookup(QByteArrayView database, QByteArrayView teamFile) : SquadChangeLines(database) {
        const TeamNameLists teams = TeamNameTable::decode(teamFile);
        for (int t = 0; t < teams.names.size() && t < teams.teamIds.size(); ++t)
            m_teamNames.insert(teams.teamIds.at(t).toInt(), teams.names.at(t));
    }

    std::optional<QString> team(qint32 id) const {
        const auto found = m_teamNames.constFind(id);
        return found == m_teamNames.cend() ? std::nullopt : std::optional(*found);
    }

private:
    QHash<qint32, QString> m_teamNames;
};

// A cell's whole number within [low, high], or nothing after saying why.
std::optional<qint64> number(const SheetTable& table, const SheetTable::Row& row,
                             const SheetHeader& header, Column column, qint64 low, qint64 high,
                             SheetErrors& errors) {
    const auto value = CellValue::wholeNumber(table.cell(row, header.cellOf(column)));
    if (value && *value >= low && *value <= high)
        return value;
    errors.add(row.number, columnNames()[column],
               QStringLiteral("enter a whole number from %1 to %2.").arg(low).arg(high));
    return std::nullopt;
}

// The rules every squad of the sheet keeps: a player once, a shirt number once.
void checkSquad(const WantedSquad& team, const Lookup& lookup, SheetErrors& errors) {
    QHash<qint32, int> rowOfPlayer;
    QHash<int, const WantedSlot*> wearerOf;
    for (const auto& [slot, wanted] : team.bySlot) {
        const qint32 id = wanted.slot.playerId;
        if (const int earlier = rowOfPlayer.value(id); earlier != 0)
            errors.add(wanted.row, columnNames()[PlayerId],
                       QStringLiteral("%1 is in %2 already, on row %3.")
                           .arg(lookup.player(id), team.name)
                           .arg(earlier));
        rowOfPlayer.insert(id, wanted.row);
        const int shirt = wanted.slot.shirtNumber;
        if (const WantedSlot* wearer = wearerOf.value(shirt); wearer != nullptr)
            errors.add(wanted.row, columnNames()[ShirtNumber],
                       QStringLiteral("Shirt number %1 is taken by %2 in %3 (row %4).")
                           .arg(shirt)
                           .arg(lookup.player(wearer->slot.playerId), team.name)
                           .arg(wearer->row));
        else
            wearerOf.insert(shirt, &wanted);
    }
}

} // namespace

ImportPlan plan(QByteArrayView database, QByteArrayView teamFile, const SheetTable& table) {
    SheetErrors errors;
    for (const QString& problem :
         {PlayerSheet::databaseProblem(database), TeamSheet::teamFileProblem(teamFile)})
        if (!problem.isEmpty())
            errors.add(problem);
    if (errors.count() > 0)
        return refusedPlan(errors);
    const SheetHeader header =
        SheetHeader::read(table, columnNames(), {TeamId, Slot, PlayerId, ShirtNumber}, errors);
    if (errors.count() > 0)
        return refusedPlan(errors);

    Lookup lookup(database, teamFile);
    std::map<qint32, WantedSquad> teams; // by team ID
    for (size_t r = 1; r < table.rows().size(); ++r) {
        const SheetTable::Row& row = table.rows()[r];
        if (!header.checkCellCount(row, errors))
            continue;
        const auto teamId = number(table, row, header, TeamId, INT32_MIN, INT32_MAX, errors);
        const auto slot = number(table, row, header, Slot, 0, RosterLayout::slotCount - 1, errors);
        const auto playerId = number(table, row, header, PlayerId, INT32_MIN, INT32_MAX, errors);
        const auto shirt = number(table, row, header, ShirtNumber, SquadRules::lowestShirtNumber,
                                  SquadRules::highestShirtNumber, errors);
        if (!teamId || !slot || !playerId || !shirt)
            continue;
        auto found = teams.find(qint32(*teamId));
        if (found == teams.end()) {
            const auto name = lookup.team(qint32(*teamId));
            const auto squad = name ? Squad::read(database, qint32(*teamId)) : std::nullopt;
            if (!squad) {
                errors.add(
                    row.number, columnNames()[TeamId],
                    name ? QStringLiteral("%1 has no roster record in the player database.")
                               .arg(*name)
                         : QStringLiteral("no team of the team file has the ID %1.").arg(*teamId));
                continue;
            }
            found = teams.emplace(qint32(*teamId), WantedSquad{*name, *squad, {}}).first;
        }
        if (!lookup.isPlayer(qint32(*playerId))) {
            errors.add(row.number, columnNames()[PlayerId],
                       QStringLiteral("no player of the database has the ID %1.").arg(*playerId));
            continue;
        }
        const auto [at, added] = found->second.bySlot.emplace(
            int(*slot), WantedSlot{{qint32(*playerId), int(*shirt)}, row.number});
        if (!added)
            errors.add(row.number, columnNames()[Slot],
                       QStringLiteral("slot %1 of %2 is on row %3 already.")
                           .arg(*slot)
                           .arg(found->second.name)
                           .arg(at->second.row));
    }
    for (const auto& [id, team] : teams)
        checkSquad(team, lookup, errors);
    if (errors.count() > 0)
        return refusedPlan(errors);

    ImportPlan plan;
    plan.notes = table.notes();
    for (const auto& [id, team] : teams) {
        std::vector<RosterSlot> wanted;
        for (const auto& [slot, w] : team.bySlot)
            wanted.push_back(w.slot);
        // What the export shows of the squad: its filled slots that name a player.
        std::vector<RosterSlot> shown;
        for (const RosterSlot& slot : team.squad.rosterSlots)
            if (slot.playerId != RosterLayout::emptySlot && lookup.isPlayer(slot.playerId))
                shown.push_back(slot);
        const bool same =
            std::equal(wanted.begin(), wanted.end(), shown.begin(), shown.end(),
                       [](const RosterSlot& a, const RosterSlot& b) {
                           return a.playerId == b.playerId && a.shirtNumber == b.shirtNumber;
                       });
        if (same)
            continue;
        const std::vector<Patch> patches = team.squad.rewrite(database, wanted);
        if (patches.empty())
            continue;
        plan.patches.insert(plan.patches.end(), patches.begin(), patches.end());
        ++plan.recordCount;
        lookup.compare(team.name, team.squad.rosterSlots, wanted);
    }
    plan.changes = lookup.lines();
    plan.fieldCount = lookup.slotLineCount();
    return plan;
}

} // namespace RosterImport
