#pragma once

#include "teams/rosterlayout.h"

#include <QByteArrayView>

#include <optional>
#include <vector>

// A roster slot as stored: the player's ID and his shirt number.
struct RosterSlot {
    qint32 playerId = 0;
    int shirtNumber = 0;
};

namespace RosterTable {

// Looks for the first record carrying `teamId`, scanning at most `maxRecords` records and never
// past the end of `table`, which holds the working copy from the table's start on. Returns the
// record's offset within `table`.
std::optional<qint64> findTeam(QByteArrayView table, qint32 teamId, int maxRecords);

// The 32 slots of the record at `offset` within `table` (which must hold the whole record).
std::vector<RosterSlot> readSlots(QByteArrayView table, qint64 offset);

} // namespace RosterTable
