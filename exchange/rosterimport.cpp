#include "exchange/rosterimport.h"

#include "exchange/playersheet.h"
#include "exchange/sheetheader.h"
#include "exchange/squadchangelines.h"
#include "exchange/teamsheet.h"
#include "player/playerrecord.h"
#include "sheetformats/cellvalue.h"
#include "teamnames/teamnametable.h"
#include "teams/squad.h"

#include <QCoreApplication>
#include <QHash>
#include <QtEndian>

#include <algorithm>
#include <map>
#include <vector>

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

// A cell the rules refuse, but only in a team whose rows change its squad: rows that show the
// squad as it stands change nothing, and a problem already in the data is no reason to refuse.
struct RuleProblem {
    int row = 0;
    Column column = TeamId;
    QString why;
};

// A team of the sheet: its slots by slot number, as its rows give them.
struct WantedSquad {
    QString name;
    Squad squad;
    std::map<int, WantedSlot> bySlot;
    std::vector<RuleProblem> problems;
};

// The teams of the team file by ID, and the players by the change lines' names.
class Lookup : public SquadChangeLines {
public:
    Lookup(QByteArrayView database, QByteArrayView teamFile) : SquadChangeLines(database) {
        // A team ID listed twice is named after its first team, as the export and check do.
        const TeamNameLists teams = TeamNameTable::decode(teamFile);
        m_teamNames = SquadTeam::firstNames(SquadTeam::listed(teams.names, teams.teamIds));
    }

    std::optional<QString> team(qint32 id) const {
        const auto found = m_teamNames.constFind(id);
        return found == m_teamNames.cend() ? std::nullopt : std::optional(*found);
    }

private:
    QHash<qint32, QString> m_teamNames;
};

// A cell's whole number within [low, high], or nothing after saying why (`why`, or the range).
std::optional<qint64> number(const SheetTable& table, const SheetTable::Row& row,
                             const SheetHeader& header, Column column, qint64 low, qint64 high,
                             SheetErrors& errors, const QString& why = {}) {
    const auto value = CellValue::wholeNumber(table.cell(row, header.cellOf(column)));
    if (value && *value >= low && *value <= high)
        return value;
    errors.add(row.number, columnNames()[column],
               why.isEmpty() ? QCoreApplication::translate("RosterImport",
                                                           "enter a whole number from %1 to %2.")
                                   .arg(low)
                                   .arg(high)
                             : why);
    return std::nullopt;
}

QString shirtRange() {
    return QCoreApplication::translate("RosterImport", "enter a whole number from %1 to %2.")
        .arg(SquadRules::lowestShirtNumber)
        .arg(SquadRules::highestShirtNumber);
}

// Whether the team's rows show its squad as the export does: the filled slots that name a
// player, in slot order, with their shirt numbers.
bool showsSquadAsItStands(const WantedSquad& team, const Lookup& lookup) {
    std::vector<RosterSlot> shown;
    for (const RosterSlot& slot : team.squad.rosterSlots)
        if (slot.playerId != RosterLayout::emptySlot && lookup.isPlayer(slot.playerId))
            shown.push_back(slot);
    return std::equal(team.bySlot.begin(), team.bySlot.end(), shown.begin(), shown.end(),
                      [](const auto& wanted, const RosterSlot& slot) {
                          return wanted.second.slot.playerId == slot.playerId &&
                                 wanted.second.slot.shirtNumber == slot.shirtNumber;
                      });
}

// The rules every squad of the sheet keeps: a player once, a shirt number once.
void checkSquad(const WantedSquad& team, const Lookup& lookup, SheetErrors& errors) {
    QHash<qint32, int> rowOfPlayer;
    QHash<int, const WantedSlot*> wearerOf;
    for (const auto& [slot, wanted] : team.bySlot) {
        const qint32 id = wanted.slot.playerId;
        if (const int earlier = rowOfPlayer.value(id); earlier != 0)
            errors.add(
                wanted.row, columnNames()[PlayerId],
                //: %1 is a player, %2 a team, %3 a row number
                QCoreApplication::translate("RosterImport", "%1 is in %2 already, on row %3.")
                    .arg(lookup.player(id), team.name)
                    .arg(earlier));
        rowOfPlayer.insert(id, wanted.row);
        const int shirt = wanted.slot.shirtNumber;
        if (const WantedSlot* wearer = wearerOf.value(shirt); wearer != nullptr)
            errors.add(wanted.row, columnNames()[ShirtNumber],
                       //: %2 is a player, %3 a team, %4 a row number
                       QCoreApplication::translate("RosterImport",
                                                   "Shirt number %1 is taken by %2 in %3 (row %4).")
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
        // Any byte is read here: a number outside 1-99 is refused with the rules below.
        const auto shirt = number(table, row, header, ShirtNumber, 0, 255, errors, shirtRange());
        if (!teamId || !slot || !playerId || !shirt)
            continue;
        auto found = teams.find(qint32(*teamId));
        if (found == teams.end()) {
            const auto name = lookup.team(qint32(*teamId));
            const auto squad = name ? Squad::read(database, qint32(*teamId)) : std::nullopt;
            if (!squad) {
                errors.add(
                    row.number, columnNames()[TeamId],
                    name ? QCoreApplication::translate(
                               "RosterImport", "%1 has no roster record in the player database.")
                               .arg(*name)
                         : QCoreApplication::translate("RosterImport",
                                                       "no team of the team file has the ID %1.")
                               .arg(*teamId));
                continue;
            }
            found = teams.emplace(qint32(*teamId), WantedSquad{*name, *squad, {}, {}}).first;
        }
        std::vector<RuleProblem>& problems = found->second.problems;
        if (*shirt < SquadRules::lowestShirtNumber || *shirt > SquadRules::highestShirtNumber)
            problems.push_back({row.number, ShirtNumber, shirtRange()});
        if (*playerId == RosterLayout::emptySlot)
            problems.push_back(
                {row.number, PlayerId,
                 QCoreApplication::translate(
                     "RosterImport", "player ID 0 marks an empty slot; to empty the slot, delete "
                                     "its row.")});
        else if (!lookup.isPlayer(qint32(*playerId)))
            problems.push_back({row.number, PlayerId,
                                QCoreApplication::translate(
                                    "RosterImport", "no player of the database has the ID %1.")
                                    .arg(*playerId)});
        const auto [at, added] = found->second.bySlot.emplace(
            int(*slot), WantedSlot{{qint32(*playerId), int(*shirt)}, row.number});
        if (!added)
            errors.add(
                row.number, columnNames()[Slot],
                //: %1 is a slot number, %2 a team, %3 a row number
                QCoreApplication::translate("RosterImport", "slot %1 of %2 is on row %3 already.")
                    .arg(*slot)
                    .arg(found->second.name)
                    .arg(at->second.row));
    }
    // A team whose rows show its squad as it stands changes nothing and is not checked.
    std::erase_if(teams,
                  [&](const auto& team) { return showsSquadAsItStands(team.second, lookup); });
    for (const auto& [id, team] : teams) {
        for (const RuleProblem& problem : team.problems)
            errors.add(problem.row, columnNames()[problem.column], problem.why);
        checkSquad(team, lookup, errors);
    }
    if (errors.count() > 0)
        return refusedPlan(errors);

    ImportPlan plan;
    plan.notes = table.notes();
    for (const auto& [id, team] : teams) {
        std::vector<RosterSlot> wanted;
        for (const auto& [slot, w] : team.bySlot)
            wanted.push_back(w.slot);
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
