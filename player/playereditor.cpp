#include "player/playereditor.h"

#include "player/abilitytable.h"
#include "player/playeredits.h"
#include "player/playerrecord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

PlayerEditor::PlayerEditor(Form1Context context) : QObject(context.window), m(context) {
    connect(m.c.promjena_imena, &QPushButton::clicked, this, &PlayerEditor::applyChanges);
    connect(m.c.Command4, &QPushButton::clicked, this, &PlayerEditor::applyAbilities);
}

std::optional<std::pair<qint64, PlayerRecord>> PlayerEditor::selectedRecord() const {
    const auto nameOffset = m.selectedNameOffset();
    if (!nameOffset) {
        m.message(QStringLiteral("Select a player first."));
        return std::nullopt;
    }
    const WorkingCopy workingCopy = m.workingCopy();
    const auto bytes =
        workingCopy.read(*nameOffset - PlayerLayout::nameOffsetInRecord, PlayerLayout::recordSize);
    if (!bytes) {
        m.message(workingCopy.errorString() + QStringLiteral("\nNothing was written."));
        return std::nullopt;
    }
    return std::make_pair(*nameOffset, PlayerRecord::decode(*bytes));
}

void PlayerEditor::applyChanges() {
    const auto selected = selectedRecord();
    if (!selected)
        return;
    Form1Controls& c = m.c;
    PlayerEdits::Details details;
    details.name = c.nazivigraca->text();
    details.shirtName = c.nazivigraca_dres->text();
    details.positionCode = c.pozicija;
    details.spacing = c.spacing->text();
    details.age = c.age->text();
    details.footEntry = c.foot->currentIndex();
    details.weight = c.weight->text();
    details.height = c.visina->text();
    const PlayerEdits::Result result =
        PlayerEdits::applyDetails(selected->first, details, selected->second);
    if (!m.writeBack(result.patches, result.error))
        return;
    // The lists show the new names without a reload; the player keeps his record.
    c.List1->item(c.List1->currentRow())->setText(details.name);
    c.igraci_skraceno.setText(details.shirtName);
    c.odabir_timova.setText(details.name);
}

void PlayerEditor::applyAbilities() {
    Form1Controls& c = m.c;
    c.puni->setMaximum(abilityProgressMaximum);
    c.puni->setValue(0);
    const auto selected = selectedRecord();
    if (!selected)
        return;
    PlayerEdits::Abilities abilities;
    for (const AbilitySlot& slot : abilitySlots) {
        abilities.values[slot.slot] = c.abilityBoxes[slot.slot]->text();
        abilities.flags[slot.slot] = c.check(slot.flagBox)->isChecked();
    }
    abilities.specialAbilitySum = c.zbirocjene;
    abilities.penaltyStopper = c.check(penaltyStopperBox)->isChecked();
    abilities.longThrow = c.check(longThrowBox)->isChecked();
    const PlayerEdits::Result result =
        PlayerEdits::applyAbilities(selected->first, abilities, selected->second);
    m.writeBack(result.patches, result.error);
}
