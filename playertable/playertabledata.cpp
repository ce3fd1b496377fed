#include "playertable/playertabledata.h"

#include "common/searchform.h"
#include "exchange/playercolumns.h"
#include "player/playerrecord.h"
#include "player/positiontable.h"
#include "playertable/tablecolumns.h"
#include "sheetformats/sheetwriter.h"
#include "teams/rosterlayout.h"

#include <QSet>
#include <QtEndian>

#include <algorithm>

namespace {

namespace L = PlayerLayout;
using TableColumns::Source;

const QList<PlayerTableData::Place> noPlaces;

} // namespace

void PlayerTableData::reset(QByteArray database, QList<SquadTeam> teams) {
    m_database = std::move(database);
    m_teams = std::move(teams);
    m_rows = m_database.size() >= L::rosterTableStart ? L::editableRecordCount : 0;
    m_players.assign(size_t(m_rows), std::nullopt);
    readSquads();
}

std::vector<int> PlayerTableData::written(const std::vector<Patch>& stretches) {
    std::vector<int> changed;
    bool squads = false;
    for (const Patch& patch : stretches) {
        if (patch.offset < 0 || patch.offset + patch.bytes.size() > m_database.size())
            continue;
        m_database.replace(patch.offset, patch.bytes.size(), patch.bytes);
        const qint64 end = patch.offset + patch.bytes.size();
        squads = squads || end > L::rosterTableStart;
        const int first = int(std::max<qint64>(patch.offset - L::tableStart, 0) / L::recordSize);
        const int last = int(std::max<qint64>(end - 1 - L::tableStart, 0) / L::recordSize);
        for (int row = first; row <= std::min(last, m_rows - 1); ++row) {
            m_players[size_t(row)].reset();
            changed.push_back(row);
            // A new player ID changes the squads that name him.
            const qint64 id = L::recordStart(row);
            squads = squads || (patch.offset < id + 4 && id < end);
        }
    }
    if (squads)
        rereadSquads(changed);
    std::sort(changed.begin(), changed.end());
    changed.erase(std::unique(changed.begin(), changed.end()), changed.end());
    return changed;
}

std::vector<int> PlayerTableData::setTeams(QList<SquadTeam> teams) {
    m_teams = std::move(teams);
    std::vector<int> changed;
    rereadSquads(changed);
    return changed;
}

void PlayerTableData::rereadSquads(std::vector<int>& changed) {
    const QHash<qint32, QList<Place>> before = m_places;
    readSquads();
    const auto same = [](const QList<Place>& a, const QList<Place>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                          [](const Place& x, const Place& y) {
                              return x.team == y.team && x.shirtNumber == y.shirtNumber;
                          });
    };
    for (int row = 0; row < m_rows; ++row) {
        // The ID straight from the bytes: no row is decoded for this.
        const qint32 id = qFromLittleEndian<qint32>(m_database.constData() + L::recordStart(row));
        if (!same(m_places.value(id), before.value(id)))
            changed.push_back(row);
    }
}

void PlayerTableData::readSquads() {
    m_places.clear();
    if (m_rows == 0)
        return;
    const QHash<qint32, QString> names = SquadTeam::firstNames(m_teams);
    struct Found {
        qint64 record;
        QString team;
        std::vector<RosterSlot> roster;
    };
    std::vector<Found> squads;
    QSet<qint32> read;
    for (const SquadTeam& team : std::as_const(m_teams)) {
        if (read.contains(team.id))
            continue;
        read.insert(team.id);
        if (const std::optional<Squad> squad = Squad::read(m_database, team.id))
            squads.push_back({squad->recordOffset, names.value(team.id), squad->rosterSlots});
    }
    // In roster-table order: the order of the squads' records.
    std::sort(squads.begin(), squads.end(),
              [](const Found& a, const Found& b) { return a.record < b.record; });
    for (const Found& squad : squads) {
        QSet<qint32> inThisSquad;
        for (const RosterSlot& slot : squad.roster) {
            if (slot.playerId == RosterLayout::emptySlot || inThisSquad.contains(slot.playerId))
                continue;
            inThisSquad.insert(slot.playerId);
            m_places[slot.playerId].append({squad.team, slot.shirtNumber});
        }
    }
}

const ShownPlayer& PlayerTableData::player(int row) const {
    std::optional<ShownPlayer>& cached = m_players[size_t(row)];
    if (!cached)
        cached = ShownPlayer::at(m_database, row);
    return *cached;
}

const QList<PlayerTableData::Place>& PlayerTableData::placesOf(int row) const {
    const auto found =
        m_places.constFind(qFromLittleEndian<qint32>(m_database.constData() + L::recordStart(row)));
    return found == m_places.constEnd() ? noPlaces : *found;
}

QStringList PlayerTableData::teams(int row) const {
    QStringList result;
    for (const Place& place : placesOf(row))
        result << place.team;
    return result;
}

QList<qint64> PlayerTableData::shirtNumbers(int row) const {
    QList<qint64> result;
    for (const Place& place : placesOf(row))
        result << place.shirtNumber;
    return result;
}

QString PlayerTableData::text(int row, int column) const {
    const TableColumns::Column& c = TableColumns::all().at(size_t(column));
    switch (c.source) {
    case Source::Sheet:
        return PlayerColumns::text(PlayerColumns::all().at(size_t(c.sheetColumn)), row,
                                   player(row));
    case Source::Teams:
        return teams(row).join(QStringLiteral(", "));
    case Source::Numbers: {
        QStringList numbers;
        for (const qint64 number : shirtNumbers(row))
            numbers << QString::number(number);
        return numbers.join(QStringLiteral(", "));
    }
    case Source::Squads:
        return QString::number(placesOf(row).size());
    }
    return {};
}

void PlayerTableData::write(SheetWriter& out, int row, int column) const {
    const TableColumns::Column& c = TableColumns::all().at(size_t(column));
    if (c.source == Source::Sheet)
        PlayerColumns::write(out, PlayerColumns::all().at(size_t(c.sheetColumn)), row, player(row));
    else if (c.source == Source::Squads)
        out.number(placesOf(row).size());
    else
        out.text(text(row, column));
}

std::optional<qint64> PlayerTableData::number(int row, int column) const {
    const TableColumns::Column& c = TableColumns::all().at(size_t(column));
    switch (c.source) {
    case Source::Sheet:
        return PlayerColumns::number(PlayerColumns::all().at(size_t(c.sheetColumn)), row,
                                     player(row));
    case Source::Numbers:
        return placesOf(row).isEmpty() ? std::nullopt
                                       : std::optional<qint64>(placesOf(row).first().shirtNumber);
    case Source::Squads:
        return placesOf(row).size();
    case Source::Teams:
        break;
    }
    return std::nullopt;
}

PlayerTableData::SortKey PlayerTableData::keyOf(int row, int column) const {
    const TableColumns::Column& c = TableColumns::all().at(size_t(column));
    if (c.source == Source::Sheet &&
        PlayerColumns::all().at(size_t(c.sheetColumn)).kind == PlayerColumns::Kind::Position) {
        // The position list's order (GK first, CF last), then codes the list lacks.
        const ShownPlayer& p = player(row);
        return {p.positionEntry >= 0 ? p.positionEntry : PositionTable::entryCount + p.positionCode,
                {}};
    }
    if (c.numbers)
        return {number(row, column).value_or(-1), {}};
    return {0, searchForm(text(row, column))};
}

void PlayerTableData::sort(std::vector<int>& rows, int column, bool descending) const {
    // Each row's key is made once, not at each of the sort's comparisons.
    std::vector<SortKey> keys(static_cast<size_t>(m_rows));
    for (const int row : rows)
        keys[size_t(row)] = keyOf(row, column);
    if (descending)
        std::stable_sort(rows.begin(), rows.end(),
                         [&](int a, int b) { return keys[size_t(b)] < keys[size_t(a)]; });
    else
        std::stable_sort(rows.begin(), rows.end(),
                         [&](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
}
