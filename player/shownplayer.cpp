#include "player/shownplayer.h"

#include "player/abilitytable.h"
#include "player/playerindex.h"
#include "player/positiontable.h"

ShownPlayer ShownPlayer::of(const PlayerRecord& record, const QString& listName,
                            const QString& listShirtName) {
    namespace L = PlayerLayout;
    namespace V = PlayerValues;
    ShownPlayer p;
    p.name = listName;
    p.shirtName = listShirtName;
    p.id = record.id;
    p.age = V::shownAge(record.age);
    p.height = V::shownHeight(record.height);
    p.weight = V::flaggedValue(record.weight);
    p.spacing = V::shownSpacing(record.spacing);
    p.footEntry = V::footEntry(record.foot);
    p.footText = V::hexText(record.foot);
    p.rawWordText = V::hexText(static_cast<quint16>(record.rawWord));
    p.face = V::shownFace(record.faceBase);
    p.hair = V::shownHair(record.hairBase);

    // Choosing the registered position stores its entry's code and marks it playable.
    p.positionEntry = PositionTable::entryForCode(record.positionCode);
    p.positionCode =
        p.positionEntry >= 0 ? PositionTable::codeForEntry(p.positionEntry) : record.positionCode;
    if (p.positionEntry >= 0)
        p.checks[PositionTable::checkBoxForEntry(p.positionEntry)] = true;

    for (const AbilitySlot& slot : abilitySlots) {
        const quint8 stored = record.abilityBlock[slot.slot];
        p.abilities[slot.slot] = V::flaggedValue(stored);
        if (V::hasFlag(stored))
            p.checks[slot.flagBox] = true;
    }
    if (record.abilityBlock[L::longThrowSlot] > L::maxAbility)
        p.checks[longThrowBox] = true;
    const quint8 special = record.abilityBlock[L::specialAbilitySlot];
    for (const SpecialAbilityBit& bit : specialAbilityBits)
        if (special & bit.value)
            p.checks[bit.checkBox] = true;
    // The sum follows its eight boxes; Check25 is also slot 13's flag, so it can count 128 for a
    // byte without bit 7.
    p.specialAbilitySum = specialAbilitySumOf(p.checks);
    return p;
}

ShownPlayer ShownPlayer::ofRecord(QByteArrayView record) {
    return of(PlayerRecord::decode(record), PlayerIndex::listName(record),
              PlayerIndex::listShirtText(record));
}

ShownPlayer ShownPlayer::at(QByteArrayView table, int index) {
    return ofRecord(table.sliced(PlayerLayout::recordStart(index), PlayerLayout::recordSize));
}

int ShownPlayer::specialAbilitySumOf(const Checks& checks) {
    int sum = 0;
    for (const SpecialAbilityBit& bit : specialAbilityBits)
        if (checks[bit.checkBox])
            sum += bit.value;
    return sum;
}
