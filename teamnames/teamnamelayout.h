#pragma once

#include <QtGlobal>

#include <array>

// The team file's working copy. The long-name entries and the short-name entries are two tables
// with different strides; the editor pairs them only by list position.
namespace TeamNameLayout {

// Long-name entries: a block of sixteen 70-byte name slots, then the short name renaming writes.
constexpr qint64 longNameStart = 80;
constexpr qint64 longNameStride = 1388;
constexpr int longNameCount = 200;
constexpr int nameSlotWidth = 70;
constexpr int nameSlotCount = 16;
constexpr qint64 renamedShortName = nameSlotWidth * nameSlotCount; // 1120 from the entry
constexpr int shortNameWidth = 3;

// Slots that renaming writes; 5, 6, 12 and 13 keep their bytes.
constexpr std::array<int, 12> renamedSlots{0, 1, 2, 3, 4, 7, 8, 9, 10, 11, 14, 15};

// Short-name entries: three characters, one unread byte, the 16-bit signed team ID.
constexpr qint64 shortNameStart = 1448;
constexpr qint64 shortNameStride = 1244;
constexpr int shortNameCount = 201;
constexpr qint64 teamIdInShortEntry = 4;

constexpr qint64 longNameOffset(int entry) {
    return longNameStart + longNameStride * entry;
}
constexpr qint64 shortNameOffset(int entry) {
    return shortNameStart + shortNameStride * entry;
}

// One past the last byte each pass reads, and the last byte renaming can write.
constexpr qint64 longNamePassEnd = longNameOffset(longNameCount - 1) + nameSlotWidth; // 276362
constexpr qint64 shortNamePassEnd = shortNameOffset(shortNameCount - 1) + teamIdInShortEntry + 2;
constexpr qint64 renameEnd = longNameOffset(longNameCount - 1) + renamedShortName + shortNameWidth;

// Placeholder entries are not listed.
constexpr char dummyName[] = "DUMMY";
constexpr char dummyShortName[] = "DMY";

} // namespace TeamNameLayout
