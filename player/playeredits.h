#pragma once

#include "common/numberrange.h"
#include "common/workingcopy.h"
#include "player/playerrecord.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// The write-backs of one player record, as plain rules: each takes what the window's boxes hold
// and the record as stored, checks every value first, and gives either all the bytes to write or
// one message naming the field that does not fit. Nothing is written by these functions.
namespace PlayerEdits {

struct Result {
    std::vector<Patch> patches;
    QString error; // empty on success
    QString note;  // what the user should know of a write that succeeded
    bool ok() const { return error.isEmpty(); }
};

// "Apply Changes": name, name on shirt, registered position, spacing, age, foot, weight, height.
// The registered position's stored code stays while `positionCode` selects the entry that code
// selects: only a position picked anew stores its entry's code.
struct Details {
    QString name;
    QString shirtName;
    QString positionCode; // the hidden `pozicija`
    QString spacing;
    QString age;
    int footEntry = -1; // 0 "Right", 1 "Left", -1 none: the foot byte is not written
    QString weight;
    QString height;
};
Result applyDetails(qint64 nameOffset, const Details& details, const PlayerRecord& stored);

// "Apply Abilities": the 26 ability slots with their flags, the special-ability byte and the
// Penalty Stopper and Long Throw bytes.
struct Abilities {
    std::array<QString, PlayerLayout::abilitySlotCount> values; // by slot
    std::array<bool, PlayerLayout::abilitySlotCount> flags{};   // by slot
    QString specialAbilitySum;                                  // the hidden `zbirocjene`
    bool penaltyStopper = false;
    bool longThrow = false;
};
Result applyAbilities(qint64 nameOffset, const Abilities& abilities, const PlayerRecord& stored);

// ---- One rule per field ----
// The buttons above and the spreadsheet import write a field through the same rule, so a value
// is accepted, refused and stored the same way wherever it comes from. A rule's refusal names no
// field; its caller does (a button by the field's caption, the import by row and column).

// One byte set from a number box: the values the box accepts (as shown), how a value becomes the
// byte, and the bits of the stored byte that the write keeps.
struct ByteField {
    const char* caption; // the game's term, shown through gameTerm()
    qint64 offset;       // from N
    NumberRange range;
    int shift;       // stored = shown - shift
    quint8 keptBits; // bits of the stored byte that stay as they are

    Patch patch(qint64 nameOffset, int shown, quint8 stored) const;
};

inline constexpr ByteField positionCodeField{
    QT_TRANSLATE_NOOP("GameTerms", "Position code"), PlayerLayout::positionCode, {0, 255}, 0, 0};
inline constexpr ByteField spacingField{
    QT_TRANSLATE_NOOP("GameTerms", "Spacing"),
    PlayerLayout::spacing,
    {PlayerLayout::spacingShift, 255 + PlayerLayout::spacingShift},
    PlayerLayout::spacingShift,
    0};
inline constexpr ByteField ageField{QT_TRANSLATE_NOOP("GameTerms", "Age"),
                                    PlayerLayout::age,
                                    {-PlayerLayout::ageShift, 255 - PlayerLayout::ageShift},
                                    -PlayerLayout::ageShift,
                                    0};
// Bit 7 of the weight byte is a flag the editor keeps.
inline constexpr ByteField weightField{QT_TRANSLATE_NOOP("GameTerms", "Weight"),
                                       PlayerLayout::weight,
                                       {0, PlayerLayout::valueBits},
                                       0,
                                       PlayerLayout::flagBit};
inline constexpr ByteField heightField{QT_TRANSLATE_NOOP("GameTerms", "Height"),
                                       PlayerLayout::height,
                                       {PlayerLayout::heightShift, 255 + PlayerLayout::heightShift},
                                       PlayerLayout::heightShift,
                                       0};

// A text field: the characters in the game's code page, zero-filled to the field's width.
struct TextField {
    const char* caption; // the game's term, shown through gameTerm()
    qint64 offset;       // from N
    int width;

    // Empty, with the reason in `refusal`, when the text is too long or holds a character the
    // code page cannot represent.
    std::optional<Patch> patch(qint64 nameOffset, const QString& text, QString* refusal) const;
};
inline constexpr TextField nameField{QT_TRANSLATE_NOOP("GameTerms", "Player Name"),
                                     PlayerLayout::name, PlayerLayout::nameWidth};
inline constexpr TextField shirtNameField{QT_TRANSLATE_NOOP("GameTerms", "Name on shirt"),
                                          PlayerLayout::shirtName, PlayerLayout::shirtNameWidth};

// The foot byte with bit 0 set from the entry (0 "Right", 1 "Left"); bits 1-7 stay.
Patch footPatch(qint64 nameOffset, int footEntry, quint8 stored);

// An ability slot (0-25) is written whole: the value, plus 128 when its flag box is checked.
inline constexpr NumberRange abilityRange{0, PlayerLayout::valueBits};
Patch abilityPatch(qint64 nameOffset, int slot, int value, bool flag);

// The special-ability byte (slot 28) holds the sum of its eight boxes.
inline constexpr NumberRange specialAbilitySumRange{0, 255};
Patch specialAbilityPatch(qint64 nameOffset, int sum);

// Slots 29 and 30 through penaltyStopperByte and longThrowByte below.
Patch penaltyStopperPatch(qint64 nameOffset, quint8 stored, bool checked);
Patch longThrowPatch(qint64 nameOffset, quint8 stored, bool checked);

// Why the patches may not be written: empty when none reaches the team roster table, which lies
// over the last player records.
QString rosterTableRefusal(const std::vector<Patch>& patches);
// What rosterTableRefusal says.
QString rosterTableMessage();

// The Penalty Stopper byte (slot 29) after the box was set or cleared.
quint8 penaltyStopperByte(quint8 stored, bool checked);
// The Long Throw byte (slot 30) after the box was set or cleared.
quint8 longThrowByte(quint8 stored, bool checked);
// Why the Long Throw byte stays as stored although its box was cleared (a stored 100-127 reads as
// set but has no flag bit to clear); empty otherwise.
QString longThrowNote(quint8 stored, bool checked);

} // namespace PlayerEdits
