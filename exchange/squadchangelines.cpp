#include "exchange/squadchangelines.h"

#include <algorithm>

namespace {

bool holds(const std::vector<RosterSlot>& squad, qint32 player) {
    return std::any_of(squad.begin(), squad.end(),
                       [&](const RosterSlot& slot) { return slot.playerId == player; });
}

} // namespace

SquadChangeLines::SquadChangeLines(QByteArrayView database) : m_players(database) {}

QString SquadChangeLines::player(qint32 id) const {
    return m_players.holds(id) ? m_players.name(id) : QStringLiteral("player ID %1").arg(id);
}

QString SquadChangeLines::slotText(const RosterSlot& slot) const {
    return slot.playerId == RosterLayout::emptySlot
               ? QStringLiteral("empty")
               : QStringLiteral("%1 (%2)").arg(player(slot.playerId)).arg(slot.shirtNumber);
}

void SquadChangeLines::compare(const QString& team, const std::vector<RosterSlot>& before,
                               const std::vector<RosterSlot>& after) {
    const size_t count = std::max(before.size(), after.size());
    for (size_t s = 0; s < count; ++s) {
        const RosterSlot a = s < before.size() ? before[s] : RosterSlot{};
        const RosterSlot b = s < after.size() ? after[s] : RosterSlot{};
        // A number left in an empty slot is no player's.
        if (a.playerId == b.playerId &&
            (b.playerId == RosterLayout::emptySlot || a.shirtNumber == b.shirtNumber))
            continue;
        m_slotLines << QStringLiteral("%1: slot %2 %3 -> %4")
                           .arg(team)
                           .arg(s)
                           .arg(slotText(a), slotText(b));
    }
    for (const RosterSlot& slot : before)
        if (slot.playerId != RosterLayout::emptySlot && !holds(after, slot.playerId))
            m_left[slot.playerId] << team;
    for (const RosterSlot& slot : after) {
        if (slot.playerId == RosterLayout::emptySlot || holds(before, slot.playerId))
            continue;
        if (!m_joined.contains(slot.playerId))
            m_joinOrder << slot.playerId;
        m_joined[slot.playerId] << team;
    }
}

QStringList SquadChangeLines::lines() const {
    QStringList result = m_slotLines;
    for (const qint32 id : m_joinOrder)
        if (const QStringList left = m_left.value(id); !left.isEmpty())
            result << QStringLiteral("%1: %2 -> %3")
                          .arg(player(id), left.join(QStringLiteral(", ")),
                               m_joined.value(id).join(QStringLiteral(", ")));
    return result;
}
