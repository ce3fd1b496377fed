#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <array>

// One player record of the player database working copy. Records are addressed through their
// name offset N (50 bytes after the record start); every field offset below is relative to N.
namespace PlayerLayout {

constexpr qint64 tableStart = 32;
constexpr qint64 recordSize = 228;
constexpr int recordCount = 6665;
constexpr qint64 nameOffsetInRecord = 50;
constexpr qint64 tableEnd = tableStart + recordSize * recordCount; // 1519652, one past the last
// The game keeps the team roster table over the last records, from this byte on (inside record
// 6450). The player list still shows those entries, but no write-back may reach a byte there.
constexpr qint64 rosterTableStart = 1470676; // 0x1670D4
// Records 0-6449 end before the roster table; only they can be edited.
constexpr int editableRecordCount = int((rosterTableStart - tableStart) / recordSize);

constexpr qint64 recordStart(int index) {
    return tableStart + recordSize * index;
}
constexpr qint64 nameOffset(int index) {
    return recordStart(index) + nameOffsetInRecord;
}

// Field offsets from N, and their widths in bytes.
constexpr qint64 playerId = -50; // 32-bit signed
constexpr qint64 name = 0;
constexpr int nameWidth = 46;
constexpr qint64 shirtName = 46;
constexpr int shirtNameWidth = 16;
constexpr qint64 spacing = 64;
constexpr qint64 foot = 66;
constexpr qint64 positionCode = 67;
constexpr qint64 abilityBlock = 72; // slot s at abilityBlock + s
constexpr int abilitySlotCount = 26;
constexpr int specialAbilitySlot = 28;
constexpr int penaltyStopperSlot = 29;
constexpr int longThrowSlot = 30;
constexpr int abilityBlockSize = 31; // slots 0-30
constexpr qint64 height = 110;
constexpr qint64 weight = 111;
constexpr qint64 rawWord = 112; // 16-bit signed, as are face and hair
constexpr qint64 faceBase = 114;
constexpr qint64 hairBase = 116;
constexpr qint64 age = 168;

// Stored value = shown value - shift.
constexpr int ageShift = 17;
constexpr int spacingShift = 1;
constexpr int heightShift = 148; // 148-211 cm fit the byte's low values the game uses
constexpr int faceShift = 258;
constexpr int hairShift = 3832; // the face shift plus 3574, the first hair file

// Ability and weight bytes carry a flag in bit 7 and their value in bits 0-6.
constexpr quint8 flagBit = 0x80;
constexpr quint8 valueBits = 0x7F;
constexpr int maxAbility = 99;
constexpr quint8 footBit = 0x01;
constexpr quint8 longThrowFlag = 0x80;
constexpr quint8 penaltyStopperFlag = 64;

} // namespace PlayerLayout

// The fields of one record that the editor shows, decoded from the record's bytes.
struct PlayerRecord {
    qint32 id = 0;
    QString name;
    QString shirtName;
    quint8 spacing = 0;
    quint8 foot = 0;
    quint8 positionCode = 0;
    std::array<quint8, PlayerLayout::abilityBlockSize> abilityBlock{};
    quint8 height = 0;
    quint8 weight = 0;
    qint16 rawWord = 0;
    qint16 faceBase = 0;
    qint16 hairBase = 0;
    quint8 age = 0;

    // `record` holds the whole record, from its start (N - 50) on.
    static PlayerRecord decode(QByteArrayView record);
};

// Transforms between stored bytes and the values the window shows.
namespace PlayerValues {

inline int shownAge(quint8 stored) {
    return stored - PlayerLayout::ageShift;
}
inline int shownSpacing(quint8 stored) {
    return stored + PlayerLayout::spacingShift;
}
inline int shownHeight(quint8 stored) {
    return stored + PlayerLayout::heightShift;
}
inline int flaggedValue(quint8 stored) {
    return stored & PlayerLayout::valueBits;
}
inline bool hasFlag(quint8 stored) {
    return (stored & PlayerLayout::flagBit) != 0;
}
inline int shownFace(qint16 stored) {
    return stored + PlayerLayout::faceShift;
}
inline int shownHair(qint16 stored) {
    return stored + PlayerLayout::hairShift;
}
// Foot entry 0 "Right" / 1 "Left", or -1 for bytes the view does not recognise (18 and above).
inline int footEntry(quint8 stored) {
    return stored <= 17 ? (stored & PlayerLayout::footBit) : -1;
}
// The foot entries' names, by entry; the game's terms, shown through gameTerm().
inline constexpr std::array<const char*, 2> footNames{
    //: The foot a player prefers
    QT_TRANSLATE_NOOP("GameTerms", "Right"),
    //: The foot a player prefers
    QT_TRANSLATE_NOOP("GameTerms", "Left"),
};
// Upper-case hexadecimal without leading zeros; a negative word shows its 16-bit pattern.
QString hexText(quint16 value);

} // namespace PlayerValues
