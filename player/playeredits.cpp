#include "player/playeredits.h"

#include "common/gametext.h"
#include "common/numbertext.h"
#include "player/abilitytable.h"

namespace {

namespace L = PlayerLayout;

// Collects the bytes to write and the first value that does not fit.
class Writer {
public:
    explicit Writer(qint64 nameOffset) : m_n(nameOffset) {}

    // A number typed into a box, shown as `low`-`high`, stored as shown - `shift`.
    std::optional<int> number(const QString& field, const QString& text, int low, int high) {
        const auto value = NumberText::integerInRange(text, low, high);
        if (!value)
            fail(QStringLiteral("%1: enter a number from %2 to %3.").arg(field).arg(low).arg(high));
        return value;
    }

    void text(const QString& field, qint64 offset, const QString& text, int width) {
        const auto bytes = GameText::encodeField(text, width);
        if (!bytes) {
            fail(text.size() > width
                     ? QStringLiteral("%1: at most %2 characters.").arg(field).arg(width)
                     : QStringLiteral("%1: these characters cannot be stored in the game: %2")
                           .arg(field, GameText::unrepresentable(text)));
            return;
        }
        m_result.patches.push_back({m_n + offset, *bytes});
    }

    void byte(qint64 offset, int value) {
        m_result.patches.push_back({m_n + offset, QByteArray(1, static_cast<char>(value))});
    }

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

} // namespace

namespace PlayerEdits {

Result applyDetails(qint64 nameOffset, const Details& d, const PlayerRecord& stored) {
    Writer w(nameOffset);
    w.text(QStringLiteral("Player Name"), L::name, d.name, L::nameWidth);
    w.text(QStringLiteral("Name on shirt"), L::shirtName, d.shirtName, L::shirtNameWidth);
    if (const auto code = w.number(QStringLiteral("Position code"), d.positionCode, 0, 255))
        w.byte(L::positionCode, *code);
    if (const auto spacing =
            w.number(QStringLiteral("Spacing"), d.spacing, L::spacingShift, 255 + L::spacingShift))
        w.byte(L::spacing, *spacing - L::spacingShift);
    if (const auto age = w.number(QStringLiteral("Age"), d.age, -L::ageShift, 255 - L::ageShift))
        w.byte(L::age, *age + L::ageShift);
    if (d.footEntry == 0 || d.footEntry == 1)
        w.byte(L::foot, (stored.foot & ~L::footBit) | d.footEntry);
    if (const auto weight = w.number(QStringLiteral("Weight"), d.weight, 0, L::valueBits))
        w.byte(L::weight, (stored.weight & L::flagBit) | *weight);
    if (const auto height =
            w.number(QStringLiteral("Height"), d.height, L::heightShift, 255 + L::heightShift))
        w.byte(L::height, *height - L::heightShift);
    return w.finish();
}

QString rosterTableRefusal(const std::vector<Patch>& patches) {
    for (const Patch& patch : patches)
        if (patch.offset + patch.bytes.size() > L::rosterTableStart)
            return QStringLiteral("This entry lies inside the team roster table, which the game "
                                  "keeps over the last player records (from byte %1 of the "
                                  "player database on): writing it would damage the teams' "
                                  "rosters. The entry can be viewed, not edited.")
                .arg(L::rosterTableStart);
    return {};
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
    return QStringLiteral("Long Throw: the stored byte %1 has no flag bit to clear, so it stays as "
                          "stored and the box shows it set again. The other abilities were "
                          "written.")
        .arg(stored);
}

Result applyAbilities(qint64 nameOffset, const Abilities& a, const PlayerRecord& stored) {
    Writer w(nameOffset);
    for (const AbilitySlot& slot : abilitySlots) {
        const auto value =
            w.number(QString::fromUtf8(slot.caption), a.values[slot.slot], 0, L::valueBits);
        if (value)
            w.byte(L::abilityBlock + slot.slot, *value + (a.flags[slot.slot] ? L::flagBit : 0));
    }
    const quint8 penalty = stored.abilityBlock[L::penaltyStopperSlot];
    w.byte(L::abilityBlock + L::penaltyStopperSlot, penaltyStopperByte(penalty, a.penaltyStopper));
    if (const auto sum = w.number(QStringLiteral("Special abilities (sum of the boxes)"),
                                  a.specialAbilitySum, 0, 255))
        w.byte(L::abilityBlock + L::specialAbilitySlot, *sum);
    const quint8 longThrow = stored.abilityBlock[L::longThrowSlot];
    w.byte(L::abilityBlock + L::longThrowSlot, longThrowByte(longThrow, a.longThrow));
    Result result = w.finish();
    if (result.ok())
        result.note = longThrowNote(longThrow, a.longThrow);
    return result;
}

} // namespace PlayerEdits
