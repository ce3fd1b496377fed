#include "exchange/rostersheet.h"

#include "exchange/playersheet.h"
#include "exchange/teamsheet.h"
#include "sheetformats/csvwriter.h"
#include "teamnames/teamnametable.h"
#include "teams/playerroll.h"
#include "teams/rostertable.h"

#include <QSet>

#include <algorithm>

namespace RosterSheet {

namespace {

const char* const columnNames[] = {"team_id",   "team_name",   "slot",
                                   "player_id", "player_name", "shirt_number"};

} // namespace

bool isRosterHeader(const QStringList& names) {
    const auto has = [&](const char* name) {
        return names.contains(QLatin1String(name), Qt::CaseInsensitive);
    };
    return has("team_id") && has("slot") && has("player_id");
}

QByteArray write(QByteArrayView database, QByteArrayView teamFile) {
    CsvWriter out;
    return write(database, teamFile, out) ? out.take() : QByteArray();
}

bool write(QByteArrayView database, QByteArrayView teamFile, SheetWriter& out) {
    namespace L = PlayerLayout;
    if (!PlayerSheet::databaseProblem(database).isEmpty() ||
        !TeamSheet::teamFileProblem(teamFile).isEmpty())
        return false;
    const TeamNameLists teams = TeamNameTable::decode(teamFile);
    // The players a squad may name, as the rosters import and the squad check take them: records
    // 0-6449. A slot naming no such player is left out, as the import expects.
    const PlayerRoll players(database);
    const int maxRecords = L::recordCount; // the view scans as many records as the list has players
    const QByteArrayView table = database.sliced(
        RosterLayout::tableStart, std::min(database.size() - RosterLayout::tableStart,
                                           RosterLayout::recordSize * maxRecords));

    for (const char* name : columnNames)
        out.text(QString::fromLatin1(name));
    out.endRow();
    QSet<qint32> written; // a team ID listed twice has one squad, under its first name
    for (int t = 0; t < teams.names.size() && t < teams.teamIds.size(); ++t) {
        const qint32 teamId = teams.teamIds.at(t).toInt();
        const auto record = RosterTable::findTeam(table, teamId, maxRecords);
        if (!record || written.contains(teamId))
            continue;
        written.insert(teamId);
        const std::vector<RosterSlot> roster = RosterTable::readSlots(table, *record);
        for (size_t s = 0; s < roster.size(); ++s) {
            if (roster[s].playerId == RosterLayout::emptySlot || !players.holds(roster[s].playerId))
                continue;
            out.number(teamId);
            out.text(teams.names.at(t));
            out.number(qint64(s));
            out.number(roster[s].playerId);
            out.text(players.name(roster[s].playerId));
            out.number(roster[s].shirtNumber);
            out.endRow();
        }
    }
    return true;
}

} // namespace RosterSheet
