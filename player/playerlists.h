#pragma once

#include "common/parallellist.h"

#include <QHash>

#include <optional>

struct PlayerIndex;

// The hidden lists that Load fills beside the visible player list, one entry per player record at
// the same position: names, name offsets, player IDs and names on shirt. The subsystems ask this
// one object for the selected player's values instead of moving the lists themselves.
class PlayerLists {
public:
    ParallelList odabir_timova;   // player names
    ParallelList adrese_naziv;    // name offsets N
    ParallelList listaid;         // player IDs
    ParallelList igraci_skraceno; // names on shirt

    int count() const { return adrese_naziv.count(); }
    void clear();
    // Replaces every list with the index read by Load; no position is selected.
    void fill(PlayerIndex index);

    // Moves every list to `row` (none when it is out of range).
    void select(int row);
    void deselect() { select(-1); }
    int selected() const { return adrese_naziv.current; }
    // The selected player's name offset N, which addresses his record; empty when no player is
    // selected.
    std::optional<qint64> selectedNameOffset() const;
    // The name offset at `row`; empty when there is none.
    std::optional<qint64> nameOffsetAt(int row) const;
    // After a successful Apply Changes: the selected player's new names.
    void renameSelected(const QString& name, const QString& shirtName);

    // The first position whose player ID is `id`, as a walk of the ID list from the top finds it;
    // it moves `listaid` there, as looking a player up in the list does. Empty when no entry
    // has the ID.
    std::optional<int> findId(qint32 id);

private:
    // The first position of every ID, built on the first look-up after the lists change.
    QHash<qint32, int> m_firstPosition;
    bool m_positionsKnown = false;
};
