#pragma once

#include "player/playerrecord.h"

#include <QtGlobal>

// The roster table of the player database working copy: one 164-byte record per team, from a
// fixed offset on, with no record count. It overlaps the tail of the player table.
namespace RosterLayout {

constexpr qint64 tableStart = PlayerLayout::rosterTableStart;
constexpr qint64 recordSize = 164;
constexpr int slotCount = 32;
constexpr qint64 teamId = 0;         // 32-bit signed
constexpr qint64 playerIds = 4;      // slot s: 32-bit signed at playerIds + 4 * s
constexpr qint64 shirtNumbers = 132; // slot s: one byte at shirtNumbers + s
constexpr qint32 emptySlot = 0;      // the player ID of a slot without a player

constexpr qint64 recordStart(int index) {
    return tableStart + recordSize * index;
}

} // namespace RosterLayout
