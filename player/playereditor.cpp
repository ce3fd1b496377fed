#include "player/playereditor.h"

#include "player/abilitytable.h"
#include "player/hiddenplayerfields.h"
#include "player/playeredits.h"
#include "player/playerlists.h"
#include "player/playerrecord.h"
#include "shell/gamefilesession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

PlayerEditor::PlayerEditor(const PlayerEditorControls& controls, PlayerLists& lists,
                           const HiddenPlayerFields& hidden, GameFileSession& session,
                           ShowPlayer showPlayer)
    : QObject(controls.List1), c(controls), m_lists(lists), m_hidden(hidden), m_session(session),
      m_showPlayer(std::move(showPlayer)) {
    connect(c.promjena_imena, &QPushButton::clicked, this, &PlayerEditor::applyChanges);
    connect(c.Command4, &QPushButton::clicked, this, &PlayerEditor::applyAbilities);
}

std::optional<std::pair<qint64, PlayerRecord>> PlayerEditor::selectedRecord() const {
    const auto nameOffset = c.List1->currentRow() >= 0 && m_session.isOpen()
                                ? m_lists.selectedNameOffset()
                                : std::nullopt;
    if (!nameOffset) {
        m_session.message(tr("Select a player first."));
        return std::nullopt;
    }
    const WorkingCopy workingCopy = m_session.workingCopy();
    const auto bytes =
        workingCopy.read(*nameOffset - PlayerLayout::nameOffsetInRecord, PlayerLayout::recordSize);
    if (!bytes) {
        m_session.message(tr("%1\nNothing was written.").arg(workingCopy.errorString()));
        return std::nullopt;
    }
    return std::make_pair(*nameOffset, PlayerRecord::decode(*bytes));
}

void PlayerEditor::applyChanges() {
    const auto selected = selectedRecord();
    if (!selected)
        return;
    PlayerEdits::Details details;
    details.name = c.nazivigraca->text();
    details.shirtName = c.nazivigraca_dres->text();
    details.positionCode = m_hidden.pozicija;
    details.spacing = c.spacing->text();
    details.age = c.age->text();
    details.footEntry = c.foot->currentIndex();
    details.weight = c.weight->text();
    details.height = c.visina->text();
    const PlayerEdits::Result result =
        PlayerEdits::applyDetails(selected->first, details, selected->second);
    const qint64 n = selected->first;
    if (!m_session.writeBack(result.patches, result.error,
                             tr("Apply Changes: %1").arg(details.name),
                             [show = m_showPlayer, n] { show(n); }))
        return;
    // The lists show the new names without a reload; the player keeps his record.
    c.List1->item(c.List1->currentRow())->setText(details.name);
    m_lists.renameSelected(details.name, details.shirtName);
}

void PlayerEditor::applyAbilities() {
    c.puni->setMaximum(abilityProgressMaximum);
    c.puni->setValue(0);
    const auto selected = selectedRecord();
    if (!selected)
        return;
    PlayerEdits::Abilities abilities;
    for (const AbilitySlot& slot : abilitySlots) {
        abilities.values[slot.slot] = c.abilityBoxes[slot.slot]->text();
        abilities.flags[slot.slot] = c.checks.at(slot.flagBox)->isChecked();
    }
    abilities.specialAbilitySum = m_hidden.zbirocjene;
    abilities.penaltyStopper = c.checks.at(penaltyStopperBox)->isChecked();
    abilities.longThrow = c.checks.at(longThrowBox)->isChecked();
    const PlayerEdits::Result result =
        PlayerEdits::applyAbilities(selected->first, abilities, selected->second);
    const qint64 n = selected->first;
    const QString label =
        tr("Apply Abilities: %1").arg(c.List1->item(c.List1->currentRow())->text());
    if (m_session.writeBack(result.patches, result.error, label,
                            [show = m_showPlayer, n] { show(n); }) &&
        !result.note.isEmpty())
        m_session.inform(result.note);
}
