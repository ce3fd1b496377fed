#include "teams/squadeditor.h"

#include "common/searchform.h"
#include "player/playerindex.h"
#include "player/playerrecord.h"
#include "player/positiontable.h"
#include "shell/editmenu.h"
#include "shell/gamefilesession.h"
#include "shell/screenfit.h"
#include "shell/windowtitle.h"
#include "teams/squadtable.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QTimer>
#include <QtEndian>

namespace {

namespace P = PlayerLayout;

enum Column { SlotColumn, NumberColumn, NameColumn, PositionColumn, IdColumn, ColumnCount };
constexpr int idRole = Qt::UserRole;
constexpr int mostSearchResults = 200;

QTableWidgetItem* cell(const QString& text, bool editable = false) {
    auto* item = new QTableWidgetItem(text); // owned by the table it is set into
    item->setFlags(editable ? item->flags() | Qt::ItemIsEditable
                            : item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

SquadEditor::SquadEditor(GameFileSession& session, std::function<QList<SquadTeam>()> teams,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_teams(std::move(teams)) {
    setObjectName(QStringLiteral("SquadEditor"));
    m_title = new WindowTitle(*this, QString(), m_session);

    auto* layout = new QVBoxLayout(this);
    // The main window's history, at hand here too: Ctrl+Z where the change was made.
    auto* menuBar = new QMenuBar(this);
    layout->setMenuBar(menuBar);
    new EditMenu(*menuBar, nullptr, m_session);
    auto* squads = new QHBoxLayout;
    layout->addLayout(squads, 1);
    const char* chooserNames[2] = {"leftTeam", "rightTeam"};
    const char* tableNames[2] = {"leftSquad", "rightSquad"};
    QVBoxLayout* columns[2] = {new QVBoxLayout, new QVBoxLayout};
    auto* buttons = new QVBoxLayout;
    const auto button = [&](const char* name) {
        auto* pushButton = new QPushButton(this);
        pushButton->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(pushButton);
        return pushButton;
    };
    for (const Side side : {Left, Right}) {
        m_choosers[side] = new QComboBox(this);
        m_choosers[side]->setObjectName(QString::fromLatin1(chooserNames[side]));
        auto* table = new SquadTable(ColumnCount, this);
        m_tables[side] = table;
        table->setObjectName(QString::fromLatin1(tableNames[side]));
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
        table->verticalHeader()->hide();
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
        table->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
        table->setMinimumWidth(380);
        columns[side]->addWidget(m_choosers[side]);
        columns[side]->addWidget(table, 1);
        connect(m_choosers[side], &QComboBox::currentIndexChanged, this, [this, side] {
            if (!m_filling)
                showSquad(side);
        });
        connect(table, &QTableWidget::currentCellChanged, this, [this, side] {
            if (!m_filling)
                m_active = side;
        });
        connect(table, &QTableWidget::cellClicked, this, [this, side] { m_active = side; });
        // Dropped here from the other table: as that side's Transfer button.
        connect(table, &SquadTable::playerDropped, this, [this, side](const QString& source) {
            const Side from = side == Left ? Right : Left;
            if (source == m_tables[from]->objectName())
                transfer(from);
        });
        connect(table, &QTableWidget::itemChanged, this, [this, side](QTableWidgetItem* item) {
            if (!m_filling && item->column() == NumberColumn)
                shirtNumberEdited(side, item->row());
        });
    }
    buttons->addStretch();
    m_transferRight = button("transferRight");
    connect(m_transferRight, &QPushButton::clicked, this, [this] { transfer(Left); });
    m_transferLeft = button("transferLeft");
    connect(m_transferLeft, &QPushButton::clicked, this, [this] { transfer(Right); });
    m_callUpRight = button("callUpRight");
    connect(m_callUpRight, &QPushButton::clicked, this, &SquadEditor::callUp);
    m_release = button("release");
    connect(m_release, &QPushButton::clicked, this, &SquadEditor::release);
    m_swap = button("swap");
    connect(m_swap, &QPushButton::clicked, this, &SquadEditor::swap);
    m_moveUp = button("moveUp");
    connect(m_moveUp, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    m_moveDown = button("moveDown");
    connect(m_moveDown, &QPushButton::clicked, this, [this] { moveSelected(+1); });
    buttons->addStretch();
    squads->addLayout(columns[Left], 1);
    squads->addLayout(buttons);
    squads->addLayout(columns[Right], 1);

    auto* searchRow = new QHBoxLayout;
    m_searchLabel = new QLabel(this);
    searchRow->addWidget(m_searchLabel);
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("squadSearch"));
    searchRow->addWidget(m_search, 1);
    layout->addLayout(searchRow);
    m_results = new QListWidget(this);
    m_results->setObjectName(QStringLiteral("squadSearchResults"));
    m_results->setMaximumHeight(120);
    layout->addWidget(m_results);
    connect(m_search, &QLineEdit::textChanged, this, &SquadEditor::searchChanged);
    connect(m_results, &QListWidget::currentRowChanged, this, &SquadEditor::searchChosen);
    setTexts();
    resize(1000, 640);
}

void SquadEditor::setTexts() {
    m_title->setCaption(tr("Squads"));
    for (QTableWidget* table : m_tables)
        table->setHorizontalHeaderLabels({tr("Slot"),
                                          //: The column of shirt numbers
                                          tr("No."), tr("Name"), tr("Position"), tr("ID")});
    m_transferRight->setText(tr("Transfer →"));
    m_transferLeft->setText(tr("← Transfer"));
    m_callUpRight->setText(tr("Call up →"));
    //: A button that takes the selected player out of his squad
    m_release->setText(tr("Release"));
    //: A button that swaps the players selected on the left and on the right
    m_swap->setText(tr("Swap"));
    m_moveUp->setText(tr("Move Up"));
    m_moveDown->setText(tr("Move Down"));
    m_searchLabel->setText(tr("Find a player:"));
    m_search->setPlaceholderText(tr("any part of the name"));
    if (m_choosers[Left]->count() == 0)
        return; // no squad shown yet
    // The free agents' entry, the teams without a name, the positions and the search's results.
    fillChoosers();
    showSquad(Left);
    showSquad(Right);
    if (!m_search->text().isEmpty())
        searchChanged(m_search->text());
}

void SquadEditor::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        setTexts();
    QWidget::changeEvent(event);
}

bool SquadEditor::readAll() {
    m_players.clear();
    m_playerOrder.clear();
    m_squadsOf.clear();
    m_teamNames.clear();
    m_teamList = m_teams ? m_teams() : QList<SquadTeam>();
    m_teamNames = SquadTeam::firstNames(m_teamList);

    const WorkingCopy workingCopy = m_session.workingCopy();
    const std::optional<QByteArray> bytes = workingCopy.read(0, workingCopy.size());
    m_database = bytes.value_or(QByteArray());
    if (!bytes || m_database.size() < P::rosterTableStart)
        return false;
    for (int i = 0; i < P::editableRecordCount; ++i) {
        const QByteArrayView record =
            QByteArrayView(m_database).sliced(P::recordStart(i), P::recordSize);
        const qint32 id = qFromLittleEndian<qint32>(record.data());
        if (id == RosterLayout::emptySlot || m_players.contains(id))
            continue;
        const int code = quint8(record[P::nameOffsetInRecord + P::positionCode]);
        const int entry = PositionTable::entryForCode(code);
        const QString name = PlayerIndex::listName(record);
        m_players.insert(id, {name, entry, code, searchForm(name)});
        m_playerOrder.append(id);
    }
    // Who is in which squad, the teams in list order.
    QSet<qint32> read;
    for (const SquadTeam& team : std::as_const(m_teamList)) {
        if (read.contains(team.id))
            continue;
        read.insert(team.id);
        if (const std::optional<Squad> squad = Squad::read(m_database, team.id))
            for (const RosterSlot& slot : squad->rosterSlots)
                if (slot.playerId != RosterLayout::emptySlot) {
                    QList<qint32>& squads = m_squadsOf[slot.playerId];
                    if (!squads.contains(team.id))
                        squads.append(team.id);
                }
    }
    return true;
}

void SquadEditor::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!std::exchange(m_placed, true))
        QTimer::singleShot(0, this, [this] { ScreenFit::keepOnScreen(*this); });
}

void SquadEditor::showAgain() {
    readAll();
    fillChoosers();
    showSquad(Left);
    showSquad(Right);
    if (!m_search->text().isEmpty())
        searchChanged(m_search->text());
}

void SquadEditor::fillChoosers() {
    m_filling = true;
    for (const Side side : {Left, Right}) {
        QComboBox* chooser = m_choosers[side];
        const int was = chooser->currentIndex();
        chooser->clear();
        for (const SquadTeam& team : m_teamList)
            chooser->addItem(team.name.isEmpty() ? teamName(team.id) : team.name, team.id);
        chooser->addItem(tr("Free agents"));
        const int first = side == Left ? 0 : std::min(1, chooser->count() - 1);
        chooser->setCurrentIndex(was >= 0 && was < chooser->count() ? was : first);
    }
    m_filling = false;
}

std::optional<qint32> SquadEditor::teamOf(Side side) const {
    const QVariant data = m_choosers[side]->currentData();
    return data.isValid() ? std::optional<qint32>(data.toInt()) : std::nullopt;
}

void SquadEditor::showSquad(Side side) {
    QTableWidget* table = m_tables[side];
    const std::optional<qint32> selected = selectedPlayer(side);
    m_filling = true;
    table->setRowCount(0);
    const QStringList positions = PositionTable::shownCaptions();
    const auto addRow = [&](qint32 id, const QString& slot, const QString& number, bool editable) {
        const int row = table->rowCount();
        table->insertRow(row);
        const Player player = m_players.value(id);
        table->setItem(row, SlotColumn, cell(slot));
        table->setItem(row, NumberColumn, cell(number, editable));
        table->setItem(row, NameColumn, cell(player.name));
        table->setItem(row, PositionColumn,
                       cell(player.positionEntry < 0 ? QString::number(player.positionCode)
                                                     : positions.value(player.positionEntry)));
        table->setItem(row, IdColumn, cell(QString::number(id)));
        table->item(row, SlotColumn)->setData(idRole, id);
        if (selected == id)
            table->selectRow(row);
    };
    if (const std::optional<qint32> team = teamOf(side)) {
        if (const std::optional<Squad> squad = Squad::read(m_database, *team)) {
            for (int s = 0; s < int(squad->rosterSlots.size()); ++s) {
                const RosterSlot& slot = squad->rosterSlots[std::size_t(s)];
                if (slot.playerId != RosterLayout::emptySlot)
                    addRow(slot.playerId, QString::number(s), QString::number(slot.shirtNumber),
                           true);
            }
        }
    } else {
        for (const qint32 id : std::as_const(m_playerOrder))
            if (!m_squadsOf.contains(id))
                addRow(id, QString(), QString(), false);
    }
    table->resizeColumnToContents(SlotColumn);
    table->resizeColumnToContents(NumberColumn);
    m_filling = false;
}

std::optional<qint32> SquadEditor::selectedPlayer(Side side) const {
    const QTableWidget* table = m_tables[side];
    const QList<QTableWidgetItem*> items = table->selectedItems();
    if (items.isEmpty())
        return std::nullopt;
    const QTableWidgetItem* first = table->item(items.first()->row(), SlotColumn);
    return first ? std::optional<qint32>(first->data(idRole).toInt()) : std::nullopt;
}

std::optional<qint32> SquadEditor::requirePlayer(Side side) {
    const std::optional<qint32> id = selectedPlayer(side);
    if (!id)
        m_session.message(side == Left ? tr("Choose a player in the left table first.")
                                       : tr("Choose a player in the right table first."));
    return id;
}

QString SquadEditor::playerName(qint32 id) const {
    return m_players.value(id).name;
}

QString SquadEditor::teamName(qint32 id) const {
    const QString name = m_teamNames.value(id);
    return name.isEmpty() ? tr("Team ID %1").arg(id) : name;
}

bool SquadEditor::change(const std::function<SquadChange(const SquadRules&)>& rule,
                         const QString& label) {
    if (!m_session.listsCurrent()) {
        m_session.message(
            tr("Press Load first: the squads shown are not those of the file now open."));
        return false;
    }
    if (!readAll()) {
        m_session.message(tr("The player database's working copy cannot be read, or ends before "
                             "its roster table.\nNothing was written."));
        return false;
    }
    SquadChange result;
    {
        const SquadRules rules(
            m_database, [this](qint32 id) { return playerName(id); },
            [this](qint32 id) { return teamName(id); });
        result = rule(rules);
    }
    const QPointer<SquadEditor> self(this);
    const bool written = m_session.writeBack(result.patches, result.refusal, label, [self] {
        if (self)
            self->showAgain();
    });
    showAgain(); // as written, or as it was when refused (an edited number goes back)
    return written;
}

void SquadEditor::selectPlayer(Side side, qint32 id) {
    QTableWidget* table = m_tables[side];
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->item(r, SlotColumn)->data(idRole).toInt() == id) {
            table->selectRow(r);
            table->scrollToItem(table->item(r, NameColumn));
            return;
        }
}

void SquadEditor::transfer(Side from) {
    const Side to = from == Left ? Right : Left;
    const std::optional<qint32> id = requirePlayer(from);
    if (!id)
        return;
    const std::optional<qint32> fromTeam = teamOf(from);
    const std::optional<qint32> toTeam = teamOf(to);
    const QString name = playerName(*id);
    if (!fromTeam && !toTeam) {
        m_session.message(
            (to == Left ? tr("%1 is a free agent already: choose the team he joins on the left.")
                        : tr("%1 is a free agent already: choose the team he joins on the right."))
                .arg(name));
    } else if (!toTeam) {
        change([&](const SquadRules& rules) { return rules.release(*id, *fromTeam); },
               tr("Release: %1 from %2").arg(name, teamName(*fromTeam)));
    } else {
        const QString label = tr("Transfer: %1 to %2").arg(name, teamName(*toTeam));
        if (fromTeam
                ? change(
                      [&](const SquadRules& rules) {
                          return rules.transfer(*id, *fromTeam, *toTeam);
                      },
                      label)
                : change([&](const SquadRules& rules) { return rules.signFreeAgent(*id, *toTeam); },
                         label))
            selectPlayer(to, *id); // where he is now
    }
}

void SquadEditor::callUp() {
    const std::optional<qint32> id = requirePlayer(Left);
    if (!id)
        return;
    const std::optional<qint32> fromTeam = teamOf(Left);
    const std::optional<qint32> toTeam = teamOf(Right);
    if (!toTeam) {
        m_session.message(tr("A call-up needs a team on the right, not the free agents."));
        return;
    }
    const QString label = tr("Call up: %1 to %2").arg(playerName(*id), teamName(*toTeam));
    const bool written =
        fromTeam
            ? change([&](const SquadRules& rules) { return rules.callUp(*id, *fromTeam, *toTeam); },
                     label)
            : change([&](const SquadRules& rules) { return rules.signFreeAgent(*id, *toTeam); },
                     label);
    if (written)
        selectPlayer(Right, *id); // where he is now as well
}

void SquadEditor::release() {
    const Side side = m_active;
    const std::optional<qint32> id = requirePlayer(side);
    if (!id)
        return;
    const std::optional<qint32> team = teamOf(side);
    if (!team) {
        m_session.message(tr("%1 is a free agent already.").arg(playerName(*id)));
        return;
    }
    change([&](const SquadRules& rules) { return rules.release(*id, *team); },
           tr("Release: %1 from %2").arg(playerName(*id), teamName(*team)));
}

void SquadEditor::swap() {
    const std::optional<qint32> a = requirePlayer(Left);
    const std::optional<qint32> b = a ? requirePlayer(Right) : std::nullopt;
    if (!b)
        return;
    const std::optional<qint32> teamA = teamOf(Left);
    const std::optional<qint32> teamB = teamOf(Right);
    if (!teamA || !teamB) {
        m_session.message(
            tr("A swap takes players of two teams; a free agent joins a squad by a transfer."));
        return;
    }
    change([&](const SquadRules& rules) { return rules.swap(*a, *teamA, *b, *teamB); },
           tr("Swap: %1 and %2").arg(playerName(*a), playerName(*b)));
}

void SquadEditor::moveSelected(int step) {
    const Side side = m_active;
    const std::optional<qint32> id = requirePlayer(side);
    if (!id)
        return;
    const std::optional<qint32> team = teamOf(side);
    if (!team) {
        m_session.message(tr("The free agents are in no squad, whose order could change."));
        return;
    }
    change(
        [&](const SquadRules& rules) {
            return step < 0 ? rules.moveUp(*id, *team) : rules.moveDown(*id, *team);
        },
        (step < 0 ? tr("Move Up: %1 in %2") : tr("Move Down: %1 in %2"))
            .arg(playerName(*id), teamName(*team)));
}

void SquadEditor::shirtNumberEdited(Side side, int row) {
    const QTableWidgetItem* slot = m_tables[side]->item(row, SlotColumn);
    const QTableWidgetItem* numberCell = m_tables[side]->item(row, NumberColumn);
    const std::optional<qint32> team = teamOf(side);
    if (!slot || !numberCell || !team)
        return;
    const qint32 id = slot->data(idRole).toInt();
    bool ok = false;
    const int number = numberCell->text().trimmed().toInt(&ok, 10);
    // The item that signalled is replaced when the tables are shown again: not while it signals.
    QMetaObject::invokeMethod(
        this,
        [this, id, team, number = ok ? number : 0] {
            change([&](const SquadRules& rules) { return rules.setShirtNumber(id, *team, number); },
                   tr("Shirt number: %1 to %2").arg(playerName(id), QString::number(number)));
        },
        Qt::QueuedConnection);
}

void SquadEditor::searchChanged(const QString& text) {
    m_results->clear();
    const QString wanted = searchForm(text.trimmed());
    if (wanted.isEmpty())
        return;
    for (const qint32 id : std::as_const(m_playerOrder)) {
        const Player player = m_players.value(id);
        if (!player.searchForm.contains(wanted))
            continue;
        QStringList squads;
        for (const qint32 team : m_squadsOf.value(id))
            squads << teamName(team);
        auto* item = new QListWidgetItem(
            QStringLiteral("%1 (%2): %3")
                .arg(player.name, QString::number(id),
                     squads.isEmpty() ? tr("free agent") : squads.join(QStringLiteral(", "))),
            m_results);
        item->setData(idRole, id);
        if (m_results->count() == mostSearchResults)
            break;
    }
}

void SquadEditor::searchChosen(int row) {
    const QListWidgetItem* item = row < 0 ? nullptr : m_results->item(row);
    if (!item)
        return;
    const qint32 id = item->data(idRole).toInt();
    const QList<qint32> squads = m_squadsOf.value(id);
    const int index = squads.isEmpty() ? m_choosers[Left]->count() - 1
                                       : m_choosers[Left]->findData(squads.first());
    m_choosers[Left]->setCurrentIndex(index);
    showSquad(Left); // also when that team was shown already
    selectPlayer(Left, id);
    m_active = Left;
}
