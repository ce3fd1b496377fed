#pragma once

#include "common/workingcopy.h"
#include "player/playerrecord.h"

#include <QString>

#include <array>
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

// Why the patches may not be written: empty when none reaches the team roster table, which lies
// over the last player records.
QString rosterTableRefusal(const std::vector<Patch>& patches);

// The Penalty Stopper byte (slot 29) after the box was set or cleared.
quint8 penaltyStopperByte(quint8 stored, bool checked);
// The Long Throw byte (slot 30) after the box was set or cleared.
quint8 longThrowByte(quint8 stored, bool checked);
// Why the Long Throw byte stays as stored although its box was cleared (a stored 100-127 reads as
// set but has no flag bit to clear); empty otherwise.
QString longThrowNote(quint8 stored, bool checked);

} // namespace PlayerEdits
