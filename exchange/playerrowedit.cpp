#include "exchange/playerrowedit.h"

#include "appearance/relink.h"
#include "exchange/playercolumns.h"
#include "player/abilitytable.h"
#include "player/playeredits.h"
#include "player/positiontable.h"

#include <QCoreApplication>

namespace PlayerRowEdit {

namespace {

namespace L = PlayerLayout;
using PlayerColumns::columnOf;
using PlayerColumns::Kind;

bool positionDiffers(const ShownPlayer& a, const ShownPlayer& b) {
    return a.positionEntry != b.positionEntry ||
           (a.positionEntry < 0 && a.positionCode != b.positionCode);
}

// Whether every column shows the same for both: the values the columns read, at once.
bool showsTheSame(const ShownPlayer& a, const ShownPlayer& b) {
    return a.id == b.id && a.age == b.age && a.height == b.height && a.weight == b.weight &&
           a.spacing == b.spacing && a.footEntry == b.footEntry && !positionDiffers(a, b) &&
           a.abilities == b.abilities && a.checks == b.checks && a.face == b.face &&
           a.hair == b.hair && a.name == b.name && a.shirtName == b.shirtName;
}

int firstDiffering(const ShownPlayer& shown, const ShownPlayer& wanted) {
    const auto& columns = PlayerColumns::all();
    for (size_t i = 0; i < columns.size(); ++i)
        if (PlayerColumns::differs(columns[i], shown, wanted))
            return int(i);
    return 0; // the row's index, for a row that asks for no change
}

// Why the view will not show what the row asks for in `column`.
QString unmetRequest(const PlayerColumns::Column& column, const ShownPlayer& wanted,
                     const ShownPlayer& after, const PlayerRecord& stored, QByteArrayView written) {
    // %1 is the sheet's column, %2 what the view shows, %3 what the row asks for.
    const QString name = column.name;
    const QString shows = PlayerColumns::text(column, 0, after);
    const QString asked = PlayerColumns::text(column, 0, wanted);
    if (column.kind == Kind::Check && column.detail == longThrowBox) {
        const int before = stored.abilityBlock[L::longThrowSlot];
        const int now = quint8(written[L::nameOffsetInRecord + L::abilityBlock + L::longThrowSlot]);
        //: "Apply Abilities" is the button of the player view; %4 is the byte's value
        return now == before
                   ? QCoreApplication::translate("PlayerRowEdit",
                                                 "%1 shows %2, not %3: the rule of Apply "
                                                 "Abilities leaves the stored byte %4 as it is.")
                         .arg(name, shows, asked, QString::number(before))
                   //: "Apply Abilities" is the button of the player view; %4 and %5 are values
                   : QCoreApplication::translate("PlayerRowEdit",
                                                 "%1 shows %2, not %3: the rule of Apply "
                                                 "Abilities leaves the stored byte %4 at %5.")
                         .arg(name, shows, asked, QString::number(before), QString::number(now));
    }
    if (column.kind == Kind::Check &&
        column.detail == PositionTable::checkBoxForEntry(after.positionEntry))
        return QCoreApplication::translate(
                   "PlayerRowEdit",
                   "%1 shows %2, not %3: the view checks the box of the registered position.")
            .arg(name, shows, asked);
    return QCoreApplication::translate(
               "PlayerRowEdit", "%1 shows %2, not %3: the view shows the bytes written that way.")
        .arg(name, shows, asked);
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

    void refuse(int column, const QString& why) { m_result.refusals.push_back({column, why}); }

private:
    qint64 m_n;
    Result& m_result;
};

} // namespace

Result apply(QByteArrayView record, qint64 n, const ShownPlayer& shown, const ShownPlayer& wanted) {
    Result result;
    RowWriter w(n, result);
    const PlayerRecord stored = PlayerRecord::decode(record);

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
    if (wanted.footEntry != shown.footEntry)
        w.add(PlayerEdits::footPatch(n, wanted.footEntry, stored.foot));
    if (wanted.weight != shown.weight)
        w.add(PlayerEdits::weightField.patch(n, wanted.weight, stored.weight));
    if (wanted.height != shown.height)
        w.add(PlayerEdits::heightField.patch(n, wanted.height, stored.height));

    // Apply Abilities. The box of a registered position the row moves away from is checked
    // without its flag; Apply Abilities would store the flag of that checked box, and it must,
    // for the box to stay checked.
    const bool positionMoved = positionDiffers(shown, wanted);
    for (const AbilitySlot& slot : abilitySlots) {
        const int box = slot.flagBox;
        const bool positionBoxWithoutFlag = slot.slot < PositionTable::entryCount &&
                                            wanted.checks[box] &&
                                            !PlayerValues::hasFlag(stored.abilityBlock[slot.slot]);
        if (wanted.abilities[slot.slot] != shown.abilities[slot.slot] ||
            wanted.checks[box] != shown.checks[box] || (positionMoved && positionBoxWithoutFlag))
            w.add(PlayerEdits::abilityPatch(n, slot.slot, wanted.abilities[slot.slot],
                                            wanted.checks[box]));
    }
    for (const SpecialAbilityBit& bit : specialAbilityBits) {
        if (wanted.checks[bit.checkBox] != shown.checks[bit.checkBox]) {
            w.add(PlayerEdits::specialAbilityPatch(
                n, ShownPlayer::specialAbilitySumOf(wanted.checks)));
            break;
        }
    }
    if (wanted.checks[penaltyStopperBox] != shown.checks[penaltyStopperBox])
        w.add(PlayerEdits::penaltyStopperPatch(n, stored.abilityBlock[L::penaltyStopperSlot],
                                               wanted.checks[penaltyStopperBox]));
    if (wanted.checks[longThrowBox] != shown.checks[longThrowBox])
        w.add(PlayerEdits::longThrowPatch(n, stored.abilityBlock[L::longThrowSlot],
                                          wanted.checks[longThrowBox]));

    // Relink.
    const bool faceChanged = wanted.face != shown.face;
    const bool hairChanged = wanted.hair != shown.hair;
    if (faceChanged || hairChanged)
        for (Patch& patch :
             Relink::linkPatches(n, Relink::relinkedWordText(shown.rawWordText),
                                 faceChanged ? std::optional(wanted.face) : std::nullopt,
                                 hairChanged ? std::optional(wanted.hair) : std::nullopt))
            w.add(std::move(patch));

    if (const QString guard = PlayerEdits::rosterTableRefusal(result.patches); !guard.isEmpty())
        w.refuse(firstDiffering(shown, wanted), guard);
    if (!result.ok()) {
        result.patches.clear();
        return result;
    }

    // Where the view, once the bytes are written, differs from the row, the row asked for what
    // the editor's rules do not do.
    const qint64 recordStart = n - L::nameOffsetInRecord;
    result.record = record.toByteArray();
    for (const Patch& patch : result.patches)
        result.record.replace(patch.offset - recordStart, patch.bytes.size(), patch.bytes);
    const ShownPlayer after = ShownPlayer::ofRecord(result.record);
    if (showsTheSame(wanted, after))
        return result; // what a change of many players mostly meets: no column to look at
    for (const PlayerColumns::Column& column : PlayerColumns::all())
        if (column.kind != Kind::Index && PlayerColumns::differs(column, wanted, after))
            result.notes << unmetRequest(column, wanted, after, stored, result.record);
    return result;
}

} // namespace PlayerRowEdit
