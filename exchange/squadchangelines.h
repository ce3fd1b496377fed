#pragma once

#include "teams/playerroll.h"
#include "teams/rostertable.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// How squads changed, in words, the same for an import of a rosters sheet and the comparison of
// two databases: a line per slot that changed ("Austria: slot 3 Adam Adams (7) -> Boris Brown
// (7)"), then a line per player who left a squad and joined another ("Boris Brown: Brazil ->
// Austria").
class SquadChangeLines {
public:
    // Players are named after the first record of the player table (0-6449) with their ID.
    explicit SquadChangeLines(QByteArrayView database);

    bool isPlayer(qint32 id) const { return m_players.holds(id); }
    QString player(qint32 id) const;

    // Compares a team's 32 slots before and after (`after` may hold fewer: the rest are empty).
    void compare(const QString& team, const std::vector<RosterSlot>& before,
                 const std::vector<RosterSlot>& after);

    QStringList lines() const;
    int slotLineCount() const { return int(m_slotLines.size()); }

private:
    QString slotText(const RosterSlot& slot) const;

    PlayerRoll m_players;
    QStringList m_slotLines;
    QHash<qint32, QStringList> m_left;   // player -> squads he leaves
    QHash<qint32, QStringList> m_joined; // player -> squads he joins
    QList<qint32> m_joinOrder;
};
