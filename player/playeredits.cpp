#include "player/playeredits.h"

#include "common/gametext.h"
#include "common/numbertext.h"
#include "player/abilitytable.h"
#include "player/gameterms.h"
#include "player/positiontable.h"

#include <QCoreApplication>

namespace {

namespace L = PlayerLayout;

// A refusal that names the field it is about, in the language shown.
QString fieldRefusal(const QString& field, const QString& refusal) {
    //: %1 is the name of a field (an ability, the age, ...), %2 why its value is refused
    return QCoreApplication::translate("PlayerEdits", "%1: %2").arg(field, refusal);
}

// Collects the bytes to write and the first value that does not fit.
class Writer {
public:
    explicit Writer(qint64 nameOffset) : m_n(nameOffset) {}

    // A number typed into a box, read as the window reads numbers; `field` is the field's name
    // as shown.
    std::optional<int> number(const QString& field, const QString& text, const NumberRange& range) {
        const auto value = NumberText::integerInRange(text, range.low, range.high);
        if (!value)
            fail(fieldRefusal(field, range.refusal()));
        return value;
    }

    void number(const PlayerEdits::ByteField& field, const QString& text, quint8 stored) {
        if (const auto value = number(gameTerm(field.caption), text, field.range))
            add(field.patch(m_n, *value, stored));
    }

    void text(const PlayerEdits::TextField& field, const QString& text) {
        QString refusal;
        if (const auto patch = field.patch(m_n, text, &refusal))
            add(*patch);
        else
            fail(fieldRefusal(gameTerm(field.caption), refusal));
    }

    void add(Patch patch) { m_result.patches.push_back(std::move(patch)); }

    PlayerEdits::Result finish() {
        if (m_result.ok())
            m_result.error = PlayerEdits::rosterTableRefusal(m_result.patches);
        if (!m_result.ok())
            m_result.patches.clear();
        return std::move(m_result);
    }

private:
    void fail(const QString& message) {
        if (m_result.error.isEmpty())
            m_result.error = message;
    }

    qint64 m_n;
    PlayerEdits::Result m_result;
};

Patch bytePatch(qint64 at, int value) {
    return {at, QByteArray(1, static_cast<char>(value))};
}

} // namespace

namespace PlayerEdits {

// Whether `code` (the hidden `pozicija`) still selects the entry the stored code selects: then the
// position was not picked anew, and the stored code stays. Several codes select one entry, and
// the game may tell them apart in ways the editor does not know.
bool keepsStoredPosition(const QString& code, quint8 stored) {
    const auto value =
        NumberText::integerInRange(code, positionCodeField.range.low, positionCodeField.range.high);
    const int entry = PositionTable::entryForCode(stored);
    return value && entry >= 0 && PositionTable::entryForCode(*value) == entry;
}

Result applyDetails(qint64 nameOffset, const Details& d, const PlayerRecord& stored) {
    Writer w(nameOffset);
    w.text(nameField, d.name);
    w.text(shirtNameField, d.shirtName);
    w.number(positionCodeField,
             keepsStoredPosition(d.positionCode, stored.positionCode)
                 ? QString::number(stored.positionCode)
                 : d.positionCode,
             stored.positionCode);
    w.number(spacingField, d.spacing, stored.spacing);
    w.number(ageField, d.age, stored.age);
    if (d.footEntry == 0 || d.footEntry == 1)
        w.add(footPatch(nameOffset, d.footEntry, stored.foot));
    w.number(weightField, d.weight, stored.weight);
    w.number(heightField, d.height, stored.height);
    return w.finish();
}

Patch ByteField::patch(qint64 nameOffset, int shown, quint8 stored) const {
    return bytePatch(nameOffset + offset, (stored & keptBits) | ((shown - shift) & ~keptBits));
}

std::optional<Patch> TextField::patch(qint64 nameOffset, const QString& text,
                                      QString* refusal) const {
    const auto bytes = GameText::encodeField(text, width);
    if (!bytes) {
        *refusal =
            text.size() > width
                ? QCoreApplication::translate("PlayerEdits", "at most %1 characters.").arg(width)
                : QCoreApplication::translate("PlayerEdits",
                                              "these characters cannot be stored in the game: %1")
                      .arg(GameText::unrepresentable(text));
        return std::nullopt;
    }
    return Patch{nameOffset + offset, *bytes};
}

Patch footPatch(qint64 nameOffset, int footEntry, quint8 stored) {
    return bytePatch(nameOffset + L::foot, (stored & ~L::footBit) | (footEntry & L::footBit));
}

Patch abilityPatch(qint64 nameOffset, int slot, int value, bool flag) {
    return bytePatch(nameOffset + L::abilityBlock + slot, value + (flag ? L::flagBit : 0));
}

Patch specialAbilityPatch(qint64 nameOffset, int sum) {
    return bytePatch(nameOffset + L::abilityBlock + L::specialAbilitySlot, sum);
}

Patch penaltyStopperPatch(qint64 nameOffset, quint8 stored, bool checked) {
    return bytePatch(nameOffset + L::abilityBlock + L::penaltyStopperSlot,
                     penaltyStopperByte(stored, checked));
}

Patch longThrowPatch(qint64 nameOffset, quint8 stored, bool checked) {
    return bytePatch(nameOffset + L::abilityBlock + L::longThrowSlot,
                     longThrowByte(stored, checked));
}

QString rosterTableRefusal(const std::vector<Patch>& patches) {
    for (const Patch& patch : patches)
        if (patch.offset + patch.bytes.size() > L::rosterTableStart)
            return rosterTableMessage();
    return {};
}

QString rosterTableMessage() {
    return QCoreApplication::translate("PlayerEdits",
                                       "This entry lies inside the team roster table, which the "
                                       "game keeps over the last player records (from byte %1 of "
                                       "the player database on): writing it would damage the "
                                       "teams' rosters. The entry can be viewed, not edited.")
        .arg(L::rosterTableStart);
}

quint8 penaltyStopperByte(quint8 stored, bool checked) {
    // Only a byte without the flag gains it, so applying twice does not add it twice.
    if (checked && stored < 99 && !(stored & L::penaltyStopperFlag))
        return stored + L::penaltyStopperFlag;
    // Only a byte that holds the flag loses it: 61-63 would otherwise turn negative, and a byte
    // such as 130 would gain the flag instead.
    if (!checked && stored > 60 && (stored & L::penaltyStopperFlag))
        return stored - L::penaltyStopperFlag;
    return stored;
}

quint8 longThrowByte(quint8 stored, bool checked) {
    if (checked && stored < 99)
        return stored + L::longThrowFlag;
    // 100-127 read as set but hold no flag bit to clear; they stay as they are.
    if (!checked && stored >= L::longThrowFlag)
        return stored - L::longThrowFlag;
    return stored;
}

QString longThrowNote(quint8 stored, bool checked) {
    if (checked || stored <= L::maxAbility || (stored & L::longThrowFlag))
        return {};
    //: %1 is the special ability Long Throw, %2 a number from 100 to 127
    return QCoreApplication::translate("PlayerEdits",
                                       "%1: the stored byte %2 has no flag bit to clear, so it "
                                       "stays as stored and the box shows it set again. The other "
                                       "abilities were written.")
        .arg(gameTerm(longThrowCaption), QString::number(stored));
}

Result applyAbilities(qint64 nameOffset, const Abilities& a, const PlayerRecord& stored) {
    Writer w(nameOffset);
    for (const AbilitySlot& slot : abilitySlots) {
        const auto value = w.number(gameTerm(slot.caption), a.values[slot.slot], abilityRange);
        if (value)
            w.add(abilityPatch(nameOffset, slot.slot, *value, a.flags[slot.slot]));
    }
    w.add(penaltyStopperPatch(nameOffset, stored.abilityBlock[L::penaltyStopperSlot],
                              a.penaltyStopper));
    if (const auto sum = w.number(
            QCoreApplication::translate("PlayerEdits", "Special abilities (sum of the boxes)"),
            a.specialAbilitySum, specialAbilitySumRange))
        w.add(specialAbilityPatch(nameOffset, *sum));
    const quint8 longThrow = stored.abilityBlock[L::longThrowSlot];
    w.add(longThrowPatch(nameOffset, longThrow, a.longThrow));
    Result result = w.finish();
    if (result.ok())
        result.note = longThrowNote(longThrow, a.longThrow);
    return result;
}

} // namespace PlayerEdits
