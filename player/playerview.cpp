#include "player/playerview.h"

#include "player/abilitytable.h"
#include "player/hiddenplayerfields.h"
#include "player/playerindex.h"
#include "player/playerlists.h"
#include "player/playerrecord.h"
#include "player/positiontable.h"
#include "player/shownplayer.h"
#include "shell/gamefilesession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>

namespace {
// Slots in the order the view fills them: Team Work, slot 23, comes last.
constexpr std::array<int, 26> showOrder{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                        13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 24, 25, 23};
} // namespace

PlayerView::PlayerView(const PlayerViewControls& controls, PlayerLists& lists,
                       HiddenPlayerFields& hidden, GameFileSession& session)
    : QObject(controls.List1), c(controls), m_lists(lists), m_hidden(hidden), m_session(session) {
    connect(c.List1, &QListWidget::currentRowChanged, this, &PlayerView::show);
    // A pick by the user; the view calls the rule itself when it selects from code.
    connect(c.position, &QComboBox::activated, this, &PlayerView::positionChosen);
    for (const SpecialAbilityBit& bit : specialAbilityBits)
        connect(c.checks.at(bit.checkBox), &QCheckBox::toggled, this,
                [this, value = bit.value](bool checked) { specialAbilityToggled(value, checked); });
}

void PlayerView::specialAbilityToggled(int bitValue, bool checked) {
    // The sum is the window's own decimal text, never typed by the user.
    const qint64 sum = m_hidden.zbirocjene.toLongLong();
    m_hidden.zbirocjene = QString::number(sum + (checked ? bitValue : -bitValue));
}

void PlayerView::positionChosen(int entry) {
    if (entry < 0 || entry >= PositionTable::entryCount)
        return;
    m_hidden.pozicija = QString::number(PositionTable::codeForEntry(entry));
    c.checks.at(PositionTable::checkBoxForEntry(entry))->setChecked(true);
}

void PlayerView::show(int row) {
    if (row < 0 || row >= c.List1->count())
        return;

    // The record is read first: when it cannot be, no player is selected, so that no write-back
    // can store the controls of the player shown before into this one's record.
    const WorkingCopy workingCopy = m_session.workingCopy();
    const auto nameOffset = m_lists.nameOffsetAt(row);
    // One read of the whole record instead of an open per field: the same bytes, far fewer calls.
    const auto bytes = !nameOffset || *nameOffset < PlayerLayout::nameOffsetInRecord
                           ? std::nullopt
                           : workingCopy.read(*nameOffset - PlayerLayout::nameOffsetInRecord,
                                              PlayerLayout::recordSize);
    if (!bytes) {
        m_lists.deselect();
        m_session.message(workingCopy.errorString().isEmpty()
                              ? tr("The player's record cannot be found. Press Load again.")
                              : workingCopy.errorString());
        return;
    }

    for (int n = 1; n <= ShownPlayer::checkBoxCount; ++n)
        c.checks.at(n)->setChecked(false);
    c.plnumber->clear();

    m_lists.select(row);
    c.nazivigraca->setText(c.List1->item(row)->text());
    c.nazivigraca_dres->setText(m_lists.igraci_skraceno.text());

    const ShownPlayer shown = ShownPlayer::of(
        PlayerRecord::decode(*bytes), c.List1->item(row)->text(), m_lists.igraci_skraceno.text());

    c.age->setText(QString::number(shown.age));
    m_hidden.Text1 = shown.footText;
    c.visina->setText(QString::number(shown.height));
    c.weight->setText(QString::number(shown.weight));
    m_hidden.id = QString::number(shown.id);
    c.lblID->setText(m_hidden.id);
    m_hidden.Text2 = shown.rawWordText;
    // The face box's own rule proposes a hair number; the record's hair replaces it next.
    c.face->setText(QString::number(shown.face));
    c.hair->setText(QString::number(shown.hair));
    c.spacing->setText(QString::number(shown.spacing));
    m_hidden.pozicija = QString::number(shown.positionCode);
    // A byte the foot table does not know shows no entry, so that Apply Changes leaves it alone
    // instead of writing the previous player's foot into it.
    c.foot->setCurrentIndex(shown.footEntry);
    if (shown.positionEntry >= 0) {
        c.position->setCurrentIndex(shown.positionEntry);
        positionChosen(shown.positionEntry); // also when the entry was already the one shown
    }
    showAbilities(shown);
    c.lblprebaciigrac->setText(c.List1->item(row)->text());
}

void PlayerView::showAgain(qint64 nameOffset) {
    const int row = int(m_lists.adrese_naziv.items.indexOf(QString::number(nameOffset)));
    if (row < 0 || row >= c.List1->count())
        return; // listed no more (another file was opened since): nothing to show
    const auto record = m_session.workingCopy().read(nameOffset - PlayerLayout::nameOffsetInRecord,
                                                     PlayerLayout::recordSize);
    if (record) {
        c.List1->item(row)->setText(PlayerIndex::listName(*record));
        m_lists.odabir_timova.items[row] = PlayerIndex::listName(*record);
        m_lists.igraci_skraceno.items[row] = PlayerIndex::listShirtText(*record);
    }
    if (c.List1->currentRow() == row)
        show(row);
    else
        c.List1->setCurrentRow(row);
}

void PlayerView::clear() {
    m_lists.deselect();
    for (int n = 1; n <= ShownPlayer::checkBoxCount; ++n)
        c.checks.at(n)->setChecked(false);
    for (QLineEdit* box : {c.nazivigraca, c.nazivigraca_dres, c.age, c.visina, c.weight, c.spacing,
                           c.plnumber, c.face, c.hair})
        box->clear();
    for (QLineEdit* box : c.abilityBoxes)
        box->clear();
    c.foot->setCurrentIndex(-1);
    c.position->setCurrentIndex(-1);
    c.lblID->clear();
    c.lblprebaciigrac->clear();
    m_hidden = HiddenPlayerFields{};
}

void PlayerView::showAbilities(const ShownPlayer& shown) {
    c.puni->setMaximum(abilityProgressMaximum);
    c.puni->setValue(0);
    for (const int slot : showOrder)
        c.abilityBoxes[slot]->setText(QString::number(shown.abilities[slot]));
    // Boxes are only checked here: the selection cleared them all. Checking a special-ability
    // box adds its bit to the sum.
    for (int n = 1; n <= ShownPlayer::checkBoxCount; ++n)
        if (shown.checks[n])
            c.checks.at(n)->setChecked(true);
}
