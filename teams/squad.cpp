#include "teams/squad.h"

#include "common/inwords.h"
#include "player/playerindex.h"

#include <QHash>
#include <QSet>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <limits>

namespace {

using namespace RosterLayout;
namespace P = PlayerLayout;

constexpr int lowest = SquadRules::lowestShirtNumber;
constexpr int highest = SquadRules::highestShirtNumber;

bool inRange(int number) {
    return number >= lowest && number <= highest;
}

// Whole roster records the file holds, as far as a team's record is looked for.
int recordsInFile(QByteArrayView database) {
    if (database.size() < tableStart)
        return 0;
    return int(std::min<qint64>(P::recordCount, (database.size() - tableStart) / recordSize));
}

qint32 teamIdOf(QByteArrayView database, int record) {
    return qFromLittleEndian<qint32>(database.data() + recordStart(record) + RosterLayout::teamId);
}

Squad squadAt(QByteArrayView database, int record) {
    const QByteArrayView table = database.sliced(tableStart);
    return {teamIdOf(database, record), recordStart(record),
            RosterTable::readSlots(table, recordSize * record)};
}

// The squads of two teams (or of one, twice), found in one pass over the table.
std::array<std::optional<Squad>, 2> readSquads(QByteArrayView database, qint32 a, qint32 b) {
    std::array<std::optional<Squad>, 2> found;
    const int records = recordsInFile(database);
    for (int j = 0; j < records && !(found[0] && found[1]); ++j) {
        const qint32 id = teamIdOf(database, j);
        if (!found[0] && id == a)
            found[0] = squadAt(database, j);
        if (!found[1] && id == b)
            found[1] = found[0] && a == b ? found[0] : squadAt(database, j);
    }
    return found;
}

// The filled slots in their order.
using Players = std::vector<RosterSlot>;

Players playersOf(const Squad& squad) {
    Players players;
    std::copy_if(squad.rosterSlots.begin(), squad.rosterSlots.end(), std::back_inserter(players),
                 [](const RosterSlot& slot) { return slot.playerId != emptySlot; });
    return players;
}

int indexOf(const Players& players, qint32 id) {
    const auto at = std::find_if(players.begin(), players.end(),
                                 [&](const RosterSlot& slot) { return slot.playerId == id; });
    return at == players.end() ? -1 : int(at - players.begin());
}

// Who wears the number, apart from the player at `except`.
const RosterSlot* wearer(const Players& players, int number, int except = -1) {
    for (int i = 0; i < int(players.size()); ++i)
        if (i != except && players[i].shirtNumber == number)
            return &players[i];
    return nullptr;
}

// The number itself when it is 1-99 and free (apart from the player at `except`), else the
// lowest free one. At most 31 others wear a number, so one of 1-99 is always free.
int numberFor(const Players& players, int number, int except = -1) {
    if (inRange(number) && !wearer(players, number, except))
        return number;
    int free = lowest;
    while (wearer(players, free, except))
        ++free;
    return free;
}

// Drops every slot of the player but the one at `keep`; gives where that one is now.
int dropOthers(Players& players, qint32 id, int keep) {
    int kept = -1;
    Players rest;
    for (int i = 0; i < int(players.size()); ++i) {
        if (i == keep)
            kept = int(rest.size());
        if (i == keep || players[i].playerId != id)
            rest.push_back(players[i]);
    }
    players = std::move(rest);
    return kept;
}

// The patches that turn the stored record into one holding `players` and then empty slots: a
// patch for each run of bytes whose value changes.
void writeSquad(QByteArrayView database, const Squad& squad, const Players& players,
                std::vector<Patch>& patches) {
    Q_ASSERT(players.size() <= std::size_t(slotCount));
    const QByteArrayView stored = database.sliced(squad.recordOffset, recordSize);
    QByteArray record = stored.toByteArray();
    for (int s = 0; s < slotCount; ++s) {
        const RosterSlot slot = s < int(players.size()) ? players[s] : RosterSlot{};
        qToLittleEndian<qint32>(slot.playerId, record.data() + playerIds + 4 * s);
        record[shirtNumbers + s] = char(slot.shirtNumber);
    }
    for (qint64 i = 0; i < recordSize;) {
        qint64 end = i;
        while (end < recordSize && record[end] != stored[end])
            ++end;
        if (end > i)
            patches.push_back({squad.recordOffset + i, record.sliced(i, end - i)});
        i = end + 1;
    }
}

SquadChange refuse(QString refusal) {
    return {{}, std::move(refusal)};
}

// The check's lines give the range in English, the refusals in the language shown.
constexpr char rangeText[] = QT_TRANSLATE_NOOP("SquadRules", "Shirt numbers run from %1 to %2.");

QString rangeRefusal() {
    return QCoreApplication::translate("SquadRules", rangeText).arg(lowest).arg(highest);
}

QString englishRangeRefusal() {
    return QString::fromLatin1(rangeText).arg(lowest).arg(highest);
}

} // namespace

std::vector<Patch> Squad::rewrite(QByteArrayView database,
                                  const std::vector<RosterSlot>& players) const {
    std::vector<Patch> patches;
    writeSquad(database, *this, players, patches);
    return patches;
}

std::optional<Squad> Squad::read(QByteArrayView database, qint32 teamId) {
    return readSquads(database, teamId, teamId)[0];
}

SquadRules::SquadRules(QByteArrayView database, Names playerName, Names teamName)
    : m_database(database), m_playerName(std::move(playerName)), m_teamName(std::move(teamName)) {}

QString SquadRules::player(qint32 id) const {
    const QString name = m_playerName ? m_playerName(id) : QString();
    return name.isEmpty() ? tr("Player ID %1").arg(id) : name;
}

QString SquadRules::team(qint32 id) const {
    const QString name = m_teamName ? m_teamName(id) : QString();
    return name.isEmpty() ? tr("Team ID %1").arg(id) : name;
}

QString SquadRules::noRecord(qint32 teamId) const {
    return tr("%1 has no roster record in the player database.").arg(team(teamId));
}

QString SquadRules::taken(int number, qint32 wearer, qint32 teamId) const {
    return tr("Shirt number %1 is taken by %2 in %3.")
        .arg(QString::number(number), player(wearer), team(teamId));
}

SquadChange SquadRules::transfer(qint32 player, qint32 from, qint32 to,
                                 std::optional<int> wantedNumber) const {
    return join(player, from, to, wantedNumber, true);
}

SquadChange SquadRules::callUp(qint32 player, qint32 from, qint32 to,
                               std::optional<int> wantedNumber) const {
    return join(player, from, to, wantedNumber, false);
}

SquadChange SquadRules::join(qint32 id, qint32 from, qint32 to, std::optional<int> wantedNumber,
                             bool leave) const {
    if (wantedNumber && !inRange(*wantedNumber))
        return refuse(rangeRefusal());
    const auto [source, target] = readSquads(m_database, from, to);
    if (!source)
        return refuse(noRecord(from));
    if (!target)
        return refuse(noRecord(to));
    Players left = playersOf(*source);
    Players joined = playersOf(*target);
    const int at = indexOf(left, id);
    if (at < 0)
        return refuse(tr("%1 is not in %2.").arg(player(id), team(from)));
    if (indexOf(joined, id) >= 0)
        return refuse(tr("%1 is in %2 already.").arg(player(id), team(to)));
    if (joined.size() >= std::size_t(slotCount))
        return refuse(tr("%1 has %2 players already, the most a squad can hold.")
                          .arg(team(to), QString::number(slotCount)));
    if (wantedNumber)
        if (const RosterSlot* other = wearer(joined, *wantedNumber))
            return refuse(taken(*wantedNumber, other->playerId, to));

    joined.push_back({id, wantedNumber.value_or(numberFor(joined, left[at].shirtNumber))});
    SquadChange change;
    writeSquad(m_database, *target, joined, change.patches);
    if (leave) {
        std::erase_if(left, [&](const RosterSlot& slot) { return slot.playerId == id; });
        writeSquad(m_database, *source, left, change.patches);
    }
    std::sort(change.patches.begin(), change.patches.end(),
              [](const Patch& a, const Patch& b) { return a.offset < b.offset; });
    return change;
}

// The rules move players from one squad to another, and a free agent has no squad to come from:
// he joins through a call-up from a squad of his own, made in a scratch copy of the database by
// giving a roster record beside the target's a team ID that no record carries and him in its
// first slot, without a shirt number (so he gets the one asked for, or the lowest free one). A
// call-up writes only the target's record, so its patches serve the database itself.
SquadChange SquadRules::signFreeAgent(qint32 id, qint32 to, std::optional<int> wantedNumber) const {
    const std::optional<Squad> target = Squad::read(m_database, to);
    if (!target)
        return refuse(noRecord(to));
    const int records = recordsInFile(m_database);
    const int targetRecord = int((target->recordOffset - tableStart) / recordSize);
    const int scratchRecord = targetRecord + 1 < records ? targetRecord + 1 : targetRecord - 1;
    if (scratchRecord < 0)
        return refuse(tr("The roster table holds no record beside that of %1.").arg(team(to)));
    QSet<qint32> carried;
    for (int j = 0; j < records; ++j)
        carried.insert(teamIdOf(m_database, j));
    qint32 scratchTeam = std::numeric_limits<qint32>::min();
    while (carried.contains(scratchTeam))
        ++scratchTeam;

    QByteArray scratch = m_database.toByteArray();
    char* record = scratch.data() + recordStart(scratchRecord);
    std::fill(record, record + recordSize, '\0');
    qToLittleEndian<qint32>(scratchTeam, record + RosterLayout::teamId);
    qToLittleEndian<qint32>(id, record + playerIds);
    return SquadRules(scratch, m_playerName, m_teamName).callUp(id, scratchTeam, to, wantedNumber);
}

SquadChange SquadRules::release(qint32 id, qint32 from) const {
    const std::optional<Squad> squad = Squad::read(m_database, from);
    if (!squad)
        return refuse(noRecord(from));
    Players players = playersOf(*squad);
    if (std::erase_if(players, [&](const RosterSlot& slot) { return slot.playerId == id; }) == 0)
        return refuse(tr("%1 is not in %2.").arg(player(id), team(from)));
    SquadChange change;
    writeSquad(m_database, *squad, players, change.patches);
    return change;
}

SquadChange SquadRules::swap(qint32 idA, qint32 teamA, qint32 idB, qint32 teamB) const {
    const auto [squadA, squadB] = readSquads(m_database, teamA, teamB);
    if (!squadA)
        return refuse(noRecord(teamA));
    if (!squadB)
        return refuse(noRecord(teamB));
    Players a = playersOf(*squadA);
    Players b = playersOf(*squadB);
    int atA = indexOf(a, idA);
    int atB = indexOf(b, idB);
    if (atA < 0)
        return refuse(tr("%1 is not in %2.").arg(player(idA), team(teamA)));
    if (atB < 0)
        return refuse(tr("%1 is not in %2.").arg(player(idB), team(teamB)));
    if (teamA == teamB)
        return refuse(tr("%1 and %2 are both in %3; a swap takes players of two teams.")
                          .arg(player(idA), player(idB), team(teamA)));
    if (indexOf(b, idA) >= 0)
        return refuse(tr("%1 is in %2 already.").arg(player(idA), team(teamB)));
    if (indexOf(a, idB) >= 0)
        return refuse(tr("%1 is in %2 already.").arg(player(idB), team(teamA)));

    atA = dropOthers(a, idA, atA);
    atB = dropOthers(b, idB, atB);
    a[atA] = {idB, numberFor(a, a[atA].shirtNumber, atA)};
    b[atB] = {idA, numberFor(b, b[atB].shirtNumber, atB)};
    SquadChange change;
    writeSquad(m_database, *squadA, a, change.patches);
    writeSquad(m_database, *squadB, b, change.patches);
    std::sort(change.patches.begin(), change.patches.end(),
              [](const Patch& x, const Patch& y) { return x.offset < y.offset; });
    return change;
}

SquadChange SquadRules::moveUp(qint32 player, qint32 team) const {
    return move(player, team, -1);
}

SquadChange SquadRules::moveDown(qint32 player, qint32 team) const {
    return move(player, team, +1);
}

SquadChange SquadRules::move(qint32 id, qint32 teamId, int step) const {
    const std::optional<Squad> squad = Squad::read(m_database, teamId);
    if (!squad)
        return refuse(noRecord(teamId));
    Players players = playersOf(*squad);
    const int at = indexOf(players, id);
    if (at < 0)
        return refuse(tr("%1 is not in %2.").arg(player(id), team(teamId)));
    const int to = at + step;
    if (to < 0)
        return refuse(tr("%1 is first in %2 already.").arg(player(id), team(teamId)));
    if (to >= int(players.size()))
        return refuse(tr("%1 is last in %2 already.").arg(player(id), team(teamId)));
    std::swap(players[at], players[to]);
    SquadChange change;
    writeSquad(m_database, *squad, players, change.patches);
    return change;
}

SquadChange SquadRules::setShirtNumber(qint32 id, qint32 teamId, int number) const {
    if (!inRange(number))
        return refuse(rangeRefusal());
    const std::optional<Squad> squad = Squad::read(m_database, teamId);
    if (!squad)
        return refuse(noRecord(teamId));
    Players players = playersOf(*squad);
    const int at = indexOf(players, id);
    if (at < 0)
        return refuse(tr("%1 is not in %2.").arg(player(id), team(teamId)));
    if (const RosterSlot* other = wearer(players, number, at))
        return refuse(taken(number, other->playerId, teamId));
    players[at].shirtNumber = number;
    SquadChange change;
    writeSquad(m_database, *squad, players, change.patches);
    return change;
}

QStringList SquadRules::check(QByteArrayView database, const QList<SquadTeam>& teams) {
    QStringList lines;

    // The players: the records before the roster table that the file holds whole.
    const int playerCount = int(std::clamp<qint64>(
        (database.size() - P::tableStart) / P::recordSize, 0, P::editableRecordCount));
    QHash<qint32, int> recordOf; // the first record of each player ID
    QHash<qint32, QStringList> holders;
    QList<qint32> heldTwice;
    recordOf.reserve(playerCount);
    for (int i = 0; i < playerCount; ++i) {
        const qint32 id = qFromLittleEndian<qint32>(database.data() + P::recordStart(i));
        const auto first = recordOf.constFind(id);
        if (first == recordOf.cend()) {
            recordOf.insert(id, i);
            continue;
        }
        QStringList& records = holders[id];
        if (records.isEmpty()) {
            records << QString::number(*first);
            heldTwice << id;
        }
        records << QString::number(i);
    }
    for (const qint32 id : heldTwice)
        lines << QStringLiteral("Player ID %1 is held by records %2.")
                     .arg(QString::number(id), inWords(holders[id]));
    const auto playerName = [&](qint32 id) {
        const auto at = recordOf.constFind(id);
        return at == recordOf.cend()
                   ? QStringLiteral("player ID %1").arg(id)
                   : PlayerIndex::listName(database.sliced(P::recordStart(*at), P::recordSize));
    };

    // The roster records: the first of each team ID is that team's.
    const int records = recordsInFile(database);
    QHash<qint32, int> firstRecord;
    for (int j = 0; j < records; ++j)
        if (const qint32 id = teamIdOf(database, j); !firstRecord.contains(id))
            firstRecord.insert(id, j);
    QHash<qint32, QString> teamName; // the first listed team of each ID
    int tableEnd = 0;
    for (const SquadTeam& team : teams) {
        if (teamName.contains(team.id))
            continue;
        const QString name =
            team.name.isEmpty() ? QStringLiteral("Team ID %1").arg(team.id) : team.name;
        teamName.insert(team.id, name);
        const auto record = firstRecord.constFind(team.id);
        if (record == firstRecord.cend()) {
            lines << QStringLiteral("%1 (team ID %2) has no roster record.")
                         .arg(name, QString::number(team.id));
            continue;
        }
        tableEnd = std::max(tableEnd, *record + 1);

        const std::vector<RosterSlot> roster = squadAt(database, *record).rosterSlots;
        QHash<qint32, QStringList> slotsOf;
        QList<qint32> players;
        std::array<QStringList, highest + 1> wearers;
        int gap = -1;
        bool gapBeforeFilled = false;
        for (int s = 0; s < slotCount; ++s) {
            const auto [id, number] = roster[std::size_t(s)];
            if (id == emptySlot) {
                gap = gap < 0 ? s : gap;
                continue;
            }
            gapBeforeFilled = gapBeforeFilled || gap >= 0;
            if (!recordOf.contains(id))
                lines << QStringLiteral("%1, slot %2: player ID %3 is no player of the database.")
                             .arg(name, QString::number(s), QString::number(id));
            if (inRange(number))
                wearers[std::size_t(number)]
                    << QStringLiteral("%1 (slot %2)").arg(playerName(id), QString::number(s));
            else
                lines << QStringLiteral("%1, slot %2: %3 wears shirt number %4; %5")
                             .arg(name, QString::number(s), playerName(id), QString::number(number),
                                  englishRangeRefusal().toLower());
            if (!slotsOf.contains(id))
                players << id;
            slotsOf[id] << QString::number(s);
        }
        for (const qint32 id : players)
            if (slotsOf[id].size() > 1)
                lines << QStringLiteral("%1: %2 is in slots %3.")
                             .arg(name, playerName(id), inWords(slotsOf[id]));
        for (int number = lowest; number <= highest; ++number)
            if (wearers[std::size_t(number)].size() > 1)
                lines << QStringLiteral("%1: shirt number %2 is worn by %3.")
                             .arg(name, QString::number(number),
                                  inWords(wearers[std::size_t(number)]));
        if (gapBeforeFilled)
            lines << QStringLiteral("%1: slot %2 is empty, and filled slots follow it.")
                         .arg(name, QString::number(gap));
    }

    for (int j = 0; j < tableEnd; ++j) {
        const qint32 id = teamIdOf(database, j);
        if (!teamName.contains(id))
            lines << QStringLiteral("Roster record %1 carries team ID %2, which no team has.")
                         .arg(QString::number(j), QString::number(id));
        else if (firstRecord.value(id) != j)
            lines << QStringLiteral("Roster record %1 carries the team ID of %2 again, whose "
                                    "roster is record %3.")
                         .arg(QString::number(j), teamName.value(id),
                              QString::number(firstRecord.value(id)));
    }
    return lines;
}

QList<SquadTeam> SquadTeam::listed(const QStringList& names, const QStringList& teamIds) {
    QList<SquadTeam> teams;
    for (qsizetype t = 0; t < names.size() && t < teamIds.size(); ++t) {
        bool ok = false;
        const qint32 id = teamIds.at(t).toInt(&ok);
        if (ok)
            teams.append({id, names.at(t)});
    }
    return teams;
}

QHash<qint32, QString> SquadTeam::firstNames(const QList<SquadTeam>& teams) {
    QHash<qint32, QString> names;
    for (const SquadTeam& team : teams)
        if (!names.contains(team.id))
            names.insert(team.id, team.name);
    return names;
}
