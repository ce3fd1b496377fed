#include "exchange/playerrowedit.h"

#include "appearance/relink.h"
#include "exchange/playercolumns.h"
#include "player/abilitytable.h"
#include "player/playeredits.h"
#include "player/positiontable.h"

namespace PlayerRowEdit {

namespace {

namespace L = PlayerLayout;
using PlayerColumns::Kind;

int columnOf(Kind kind, int detail = 0) {
    const auto& columns = PlayerColumns::all();
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].kind == kind && columns[i].detail == detail)
            return int(i);
    return -1;
}

bool positionDiffers(const ShownPlayer& a, const ShownPlayer& b) {
    return a.positionEntry != b.positionEntry ||
           (a.positionEntry < 0 && a.positionCode != b.positionCode);
}

// The rules the window runs when a control is edited, for the controls the row leaves as shown.
void applyTies(const ShownPlayer& shown, ShownPlayer& wanted) {
    if (positionDiffers(shown, wanted) && wanted.positionEntry >= 0) {
        const int box = PositionTable::checkBoxForEntry(wanted.positionEntry);
        if (wanted.checks[box] == shown.checks[box])
            wanted.checks[box] = true;
    }
    if (wanted.face != shown.face && wanted.hair == shown.hair)
        wanted.hair = wanted.face + Relink::hairProposal;
}

class RowWriter {
public:
    RowWriter(qint64 nameOffset, Result& result) : m_n(nameOffset), m_result(result) {}

    void add(Patch patch) { m_result.patches.push_back(std::move(patch)); }

    void text(const PlayerEdits::TextField& field, Kind kind, const QString& text) {
        QString refusal;
        if (const auto patch = field.patch(m_n, text, &refusal))
            add(*patch);
        else
            refuse(columnOf(kind), refusal);
    }

    void refuse(int column, const QString& why) {
        if (!m_result.refusal.isEmpty())
            return;
        m_result.refusedColumn = column;
        m_result.refusal = why;
    }

private:
    qint64 m_n;
    Result& m_result;
};

} // namespace

Result apply(qint64 n, const PlayerRecord& stored, const ShownPlayer& shown, ShownPlayer wanted) {
    Result result;
    RowWriter w(n, result);
    applyTies(shown, wanted);

    // Apply Changes.
    if (wanted.name != shown.name)
        w.text(PlayerEdits::nameField, Kind::Name, wanted.name);
    if (wanted.shirtName != shown.shirtName)
        w.text(PlayerEdits::shirtNameField, Kind::ShirtName, wanted.shirtName);
    if (positionDiffers(shown, wanted))
        w.add(PlayerEdits::positionCodeField.patch(n, wanted.positionCode, stored.positionCode));
    if (wanted.spacing != shown.spacing)
        w.add(PlayerEdits::spacingField.patch(n, wanted.spacing, stored.spacing));
    if (wanted.age != shown.age)
        w.add(PlayerEdits::ageField.patch(n, wanted.age, stored.age));
    if (wanted.footEntry != shown.footEntry) {
        w.add(PlayerEdits::footPatch(n, wanted.footEntry, stored.foot));
        wanted.footText = PlayerValues::hexText(result.patches.back().bytes.at(0) & 0xFF);
    }
    if (wanted.weight != shown.weight)
        w.add(PlayerEdits::weightField.patch(n, wanted.weight, stored.weight));
    if (wanted.height != shown.height)
        w.add(PlayerEdits::heightField.patch(n, wanted.height, stored.height));

    // Apply Abilities.
    for (const AbilitySlot& slot : abilitySlots) {
        const int box = slot.flagBox;
        if (wanted.abilities[slot.slot] != shown.abilities[slot.slot] ||
            wanted.checks[box] != shown.checks[box])
            w.add(PlayerEdits::abilityPatch(n, slot.slot, wanted.abilities[slot.slot],
                                            wanted.checks[box]));
    }
    wanted.specialAbilitySum = ShownPlayer::specialAbilitySumOf(wanted.checks);
    for (const SpecialAbilityBit& bit : specialAbilityBits) {
        if (wanted.checks[bit.checkBox] != shown.checks[bit.checkBox]) {
            w.add(PlayerEdits::specialAbilityPatch(n, wanted.specialAbilitySum));
            break;
        }
    }
    if (wanted.checks[penaltyStopperBox] != shown.checks[penaltyStopperBox])
        w.add(PlayerEdits::penaltyStopperPatch(n, stored.abilityBlock[L::penaltyStopperSlot],
                                               wanted.checks[penaltyStopperBox]));
    if (wanted.checks[longThrowBox] != shown.checks[longThrowBox]) {
        const quint8 before = stored.abilityBlock[L::longThrowSlot];
        const Patch patch = PlayerEdits::longThrowPatch(n, before, wanted.checks[longThrowBox]);
        const quint8 after = quint8(patch.bytes.at(0));
        if (after != before)
            w.add(patch);
        // The view reads a byte above 99 as set; some bytes the rule cannot turn either way.
        const bool shownAfter = after > L::maxAbility;
        if (shownAfter != wanted.checks[longThrowBox]) {
            result.notes << QStringLiteral("long_throw stays %1: the rule of Apply Abilities "
                                           "leaves the stored byte %2 %3.")
                                .arg(shownAfter ? 1 : 0)
                                .arg(before)
                                .arg(after == before ? QStringLiteral("as it is")
                                                     : QStringLiteral("at %1").arg(after));
            wanted.checks[longThrowBox] = shownAfter;
        }
    }

    // Relink.
    const bool faceChanged = wanted.face != shown.face;
    const bool hairChanged = wanted.hair != shown.hair;
    if (faceChanged || hairChanged) {
        wanted.rawWordText = Relink::relinkedWordText(shown.rawWordText);
        for (Patch& patch : Relink::linkPatches(
                 n, wanted.rawWordText, faceChanged ? std::optional(wanted.face) : std::nullopt,
                 hairChanged ? std::optional(wanted.hair) : std::nullopt))
            w.add(std::move(patch));
    }

    const auto& columns = PlayerColumns::all();
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].kind != Kind::Index && columns[i].kind != Kind::Id &&
            PlayerColumns::differs(columns[i], shown, wanted))
            result.changedColumns.push_back(int(i));
    if (const QString guard = PlayerEdits::rosterTableRefusal(result.patches); !guard.isEmpty())
        w.refuse(result.changedColumns.empty() ? columnOf(Kind::Check, longThrowBox)
                                               : result.changedColumns.front(),
                 guard);
    if (!result.refusal.isEmpty())
        result.patches.clear();
    result.after = std::move(wanted);
    return result;
}

} // namespace PlayerRowEdit
