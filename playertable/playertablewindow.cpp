#include "playertable/playertablewindow.h"

#include "exchange/playercells.h"
#include "player/playerrecord.h"
#include "player/positiontable.h"
#include "playertable/bulkeditdialog.h"
#include "playertable/pasteplan.h"
#include "playertable/plaintextdelegate.h"
#include "playertable/playerfilter.h"
#include "playertable/playertablemodel.h"
#include "playertable/tablecolumns.h"
#include "shell/editmenu.h"
#include "shell/editorsettings.h"
#include "shell/gamefilesession.h"
#include "shell/screenfit.h"
#include "shell/windowtitle.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSet>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <map>

namespace {

const QString headerKey = QStringLiteral("playerTable/header");
const QString recentKey = QStringLiteral("playerTable/recentFilters");
constexpr int recentKept = 12;
constexpr int freeAgents = -1; // the team chooser's entry of the players in no squad

} // namespace

PlayerTableWindow::PlayerTableWindow(GameFileSession& session, MainWindow mainWindow,
                                     QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_main(std::move(mainWindow)),
      m_model(new PlayerTableModel(this)) {
    setObjectName(QStringLiteral("PlayerTable"));
    m_title = new WindowTitle(*this, QString(), m_session);

    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    layout->setMenuBar(menuBar);
    new EditMenu(*menuBar, nullptr, m_session);

    auto* filters = new QHBoxLayout;
    layout->addLayout(filters);
    m_filterLabel = new QLabel(this);
    filters->addWidget(m_filterLabel);
    m_filter = new QComboBox(this);
    m_filter->setObjectName(QStringLiteral("playerFilter"));
    m_filter->setEditable(true);
    m_filter->setInsertPolicy(QComboBox::NoInsert);
    m_filter->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Words of the filter language, which are not translated.
    m_filter->lineEdit()->setPlaceholderText(
        QStringLiteral("speed>=85 position=CF,SS teams~madrid"));
    m_filter->lineEdit()->setClearButtonEnabled(true);
    m_filterLabel->setBuddy(m_filter);
    filters->addWidget(m_filter, 1);
    m_team = new QComboBox(this);
    m_team->setObjectName(QStringLiteral("filterTeam"));
    m_team->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_team->setMinimumContentsLength(18);
    // Two hundred teams: the list measures one entry, not each of them, when it is made.
    if (auto* list = qobject_cast<QListView*>(m_team->view()))
        list->setUniformItemSizes(true);
    filters->addWidget(m_team);
    m_position = new QComboBox(this);
    m_position->setObjectName(QStringLiteral("filterPosition"));
    // Each position's entry holds its name in the filter language, and shows it in the language
    // shown.
    m_position->addItem(QString(), QString());
    for (const QString& position : PositionTable::captions())
        m_position->addItem(position, position);
    filters->addWidget(m_position);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("playerCount"));
    filters->addWidget(m_count);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("filterProblem"));
    m_problem->setStyleSheet(QStringLiteral("color: #b00000"));
    m_problem->setWordWrap(true);
    m_problem->hide(); // shown while the filter typed cannot be read
    layout->addWidget(m_problem);

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("playerGrid"));
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new PlainTextDelegate(m_grid));
    m_grid->setSortingEnabled(true);
    m_grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_grid->horizontalHeader()->setSectionsMovable(true);
    m_grid->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    // Number columns as wide as their name (within reason), texts as wide as a long one: the
    // widths of another run replace these.
    QHeaderView* header = m_grid->horizontalHeader();
    const QFontMetrics metrics = header->fontMetrics();
    const std::map<QString, QString> samples{
        {QStringLiteral("name"), QStringLiteral("Francisco Javier Rodríguez")},
        {QStringLiteral("shirt_name"), QStringLiteral("HERNÁNDEZ Y S")},
        {QStringLiteral("teams"), QStringLiteral("Republic of Ireland, Arsenal London")}};
    for (int column = 0; column < TableColumns::count(); ++column) {
        const QString& name = TableColumns::all().at(size_t(column)).name;
        const auto sample = samples.find(name);
        const int wanted =
            sample != samples.end()
                ? metrics.horizontalAdvance(sample->second)
                : std::min(metrics.horizontalAdvance(name),
                           metrics.horizontalAdvance(QStringLiteral("long_pass_sp")));
        header->resizeSection(
            column, std::max(wanted, metrics.horizontalAdvance(QStringLiteral("00000"))) + 24);
    }
    m_grid->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_grid->setWordWrap(false);
    m_grid->installEventFilter(this);
    layout->addWidget(m_grid, 1);

    m_bulkEdit = new QAction(this);
    m_bulkEdit->setObjectName(QStringLiteral("bulkEdit"));
    m_bulkEdit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    m_bulkEdit->setShortcutContext(Qt::WindowShortcut);
    addAction(m_bulkEdit);
    connect(m_bulkEdit, &QAction::triggered, this, &PlayerTableWindow::bulkEdit);
    m_tableMenu = menuBar->addMenu(QString());
    m_tableMenu->setObjectName(QStringLiteral("mnuTable"));
    m_tableMenu->addAction(m_bulkEdit);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, &PlayerTableWindow::gridMenu);

    m_model->setEditCell([this](int record, int column, const QString& text) {
        return editCell(record, column, text);
    });
    connect(m_model, &PlayerTableModel::shownCountChanged, this, &PlayerTableWindow::showCount);
    connect(m_filter, &QComboBox::editTextChanged, this, &PlayerTableWindow::filterTyped);
    connect(m_filter->lineEdit(), &QLineEdit::returnPressed, this,
            &PlayerTableWindow::rememberFilter);
    connect(m_team, &QComboBox::activated, this, &PlayerTableWindow::teamChosen);
    connect(m_position, &QComboBox::activated, this, &PlayerTableWindow::positionChosen);
    connect(m_grid->horizontalHeader(), &QHeaderView::customContextMenuRequested, this,
            &PlayerTableWindow::headerMenu);
    connect(m_grid, &QTableView::doubleClicked, this, &PlayerTableWindow::cellDoubleClicked);
    // Every write of the session, whichever window made it, reaches the grid.
    connect(&m_session, &GameFileSession::written, m_model, &PlayerTableModel::written);

    setTexts();
    resize(1100, 640);
    restoreSettings();
    reload();
}

void PlayerTableWindow::setTexts() {
    m_title->setCaption(tr("Player Table"));
    m_filterLabel->setText(tr("Filter:"));
    m_position->setItemText(0, tr("Any position"));
    const QStringList positions = PositionTable::shownCaptions();
    for (int i = 1; i < m_position->count() && i <= positions.size(); ++i)
        m_position->setItemText(i, positions.at(i - 1));
    m_bulkEdit->setText(tr("Change Field…"));
    m_tableMenu->setTitle(tr("&Table"));
    if (m_team->count() > 0) {
        m_team->setItemText(0, tr("Any team"));
        m_team->setItemText(m_team->count() - 1, tr("Free agents"));
    }
    showCount();
    // A filter that cannot be read says why again.
    if (!m_problem->isHidden())
        filterTyped(m_filter->currentText());
}

void PlayerTableWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        setTexts();
    QWidget::changeEvent(event);
}

PlayerTableWindow::~PlayerTableWindow() {
    saveSettings();
}

void PlayerTableWindow::reload() {
    const WorkingCopy copy = m_session.workingCopy();
    const auto bytes = copy.read(0, std::max<qint64>(copy.size(), 0));
    const QList<SquadTeam> teams = m_main.teams ? m_main.teams() : QList<SquadTeam>();
    m_model->reset(bytes.value_or(QByteArray()), teams);
    listTeams(teams);
}

void PlayerTableWindow::teamsChanged() {
    const QList<SquadTeam> teams = m_main.teams ? m_main.teams() : QList<SquadTeam>();
    m_model->setTeams(teams);
    listTeams(teams);
}

void PlayerTableWindow::listTeams(const QList<SquadTeam>& teams) {
    const QString chosen = m_team->currentText();
    m_team->clear();
    m_team->addItem(tr("Any team"), QString());
    QSet<qint32> listed;
    for (const SquadTeam& team : teams) {
        if (listed.contains(team.id))
            continue; // a team ID's squad is named after its first team
        listed.insert(team.id);
        m_team->addItem(team.name, team.name);
    }
    m_team->addItem(tr("Free agents"), freeAgents);
    m_team->setCurrentIndex(std::max(0, m_team->findText(chosen)));
}

void PlayerTableWindow::filterTyped(const QString& text) {
    QString error;
    if (m_model->setFilter(text, &error)) {
        m_problem->clear();
        m_problem->hide();
        m_filter->setToolTip(QString());
        m_filter->setStyleSheet(QString());
        return;
    }
    // The table keeps the last filter that could be read while the user types on.
    m_problem->setText(error);
    m_problem->show();
    m_filter->setToolTip(error);
    m_filter->setStyleSheet(QStringLiteral("QComboBox { border: 1px solid #b00000; }"));
}

void PlayerTableWindow::rememberFilter() {
    const QString text = m_filter->currentText().trimmed();
    QString error;
    if (text.isEmpty() || !PlayerFilter::parse(text, &error))
        return;
    QStringList recent{text};
    for (int i = 0; i < m_filter->count() && recent.size() < recentKept; ++i)
        if (m_filter->itemText(i) != text)
            recent << m_filter->itemText(i);
    const QSignalBlocker quiet(m_filter);
    m_filter->clear();
    m_filter->addItems(recent);
    m_filter->setCurrentIndex(0);
    EditorSettings().setValue(recentKey, recent);
}

void PlayerTableWindow::teamChosen(int index) {
    const QVariant team = m_team->itemData(index);
    QString term;
    if (team.userType() == QMetaType::Int && team.toInt() == freeAgents)
        term = QStringLiteral("squads=0");
    else if (!team.toString().isEmpty())
        term = QStringLiteral("teams=") + PlayerFilter::quoted(team.toString());
    // One team term at a time: the one chosen before goes.
    const QString text =
        PlayerFilter::withTerm(m_filter->currentText(), QStringLiteral("squads"), {});
    m_filter->setEditText(PlayerFilter::withTerm(text, QStringLiteral("teams"), term));
}

void PlayerTableWindow::positionChosen(int index) {
    const QString term = index <= 0
                             ? QString()
                             : QStringLiteral("position=") + m_position->itemData(index).toString();
    m_filter->setEditText(
        PlayerFilter::withTerm(m_filter->currentText(), QStringLiteral("position"), term));
}

void PlayerTableWindow::showCount() {
    m_count->setText(tr("%1 of %2 players").arg(m_model->shownCount()).arg(m_model->totalCount()));
}

void PlayerTableWindow::headerMenu(const QPoint& at) {
    QHeaderView* header = m_grid->horizontalHeader();
    QMenu menu(this);
    for (int column = 0; column < TableColumns::count(); ++column) {
        QAction* action = menu.addAction(TableColumns::all().at(size_t(column)).name);
        action->setCheckable(true);
        action->setChecked(!header->isSectionHidden(column));
        connect(action, &QAction::toggled, this, [this, header, column](bool shown) {
            header->setSectionHidden(column, !shown);
            saveSettings();
        });
    }
    menu.exec(header->mapToGlobal(at));
}

void PlayerTableWindow::copyCells() {
    const QModelIndexList selected = m_grid->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    QHeaderView* header = m_grid->horizontalHeader();
    // Rows in the grid's order, columns in the order the header shows them.
    std::map<int, QSet<int>> rows;
    std::map<int, int> columns; // visual position -> column
    for (const QModelIndex& index : selected) {
        if (header->isSectionHidden(index.column()))
            continue;
        rows[index.row()].insert(index.column());
        columns[header->visualIndex(index.column())] = index.column();
    }
    const auto clean = [](QString text) {
        return text.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
    };
    QStringList lines;
    QStringList names;
    for (const auto& [visual, column] : columns)
        names << TableColumns::all().at(size_t(column)).name;
    lines << names.join(u'\t');
    for (const auto& [row, cells] : rows) {
        QStringList line;
        for (const auto& [visual, column] : columns)
            line << (cells.contains(column) ? clean(m_model->index(row, column).data().toString())
                                            : QString());
        lines << line.join(u'\t');
    }
    QApplication::clipboard()->setText(lines.join(u'\n') + u'\n');
}

void PlayerTableWindow::cellDoubleClicked(const QModelIndex& index) {
    const int nameColumn = TableColumns::find(QStringLiteral("name"));
    if (index.column() == nameColumn) {
        if (m_main.showPlayer)
            m_main.showPlayer(m_model->recordAt(index.row()));
        return;
    }
    m_grid->edit(index);
}

bool PlayerTableWindow::eventFilter(QObject* watched, QEvent* event) {
    // Keys of the grid itself, not those an editor of a cell passes on (the Enter that ends an
    // edit reaches the grid too).
    const QWidget* focus = QApplication::focusWidget();
    const bool fromEditor = focus && focus != m_grid && m_grid->isAncestorOf(focus);
    if (watched == m_grid && event->type() == QEvent::KeyPress && !fromEditor) {
        auto* keys = static_cast<QKeyEvent*>(event);
        // The grid's own copy takes the current cell only; the table copies the selection.
        if (keys->matches(QKeySequence::Copy)) {
            copyCells();
            return true;
        }
        if (keys->matches(QKeySequence::Paste)) {
            paste();
            return true;
        }
        const int key = keys->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_grid->currentIndex().isValid()) {
            if (m_main.showPlayer)
                m_main.showPlayer(m_model->recordAt(m_grid->currentIndex().row()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PlayerTableWindow::gridMenu(const QPoint& at) {
    QMenu menu(this);
    menu.addAction(m_bulkEdit);
    QAction* pasteCells = menu.addAction(tr("Paste"));
    pasteCells->setShortcut(QKeySequence::Paste);
    connect(pasteCells, &QAction::triggered, this, &PlayerTableWindow::paste);
    menu.exec(m_grid->viewport()->mapToGlobal(at));
}

bool PlayerTableWindow::write(const std::vector<Patch>& patches, const QString& label,
                              const QString& refusal) {
    std::vector<int> records;
    for (const Patch& patch : patches) {
        const int record =
            int((patch.offset - PlayerLayout::tableStart) / PlayerLayout::recordSize);
        if (records.empty() || records.back() != record)
            records.push_back(record);
    }
    const auto changed = m_main.playerChanged;
    const auto showAgain = [changed, records] {
        if (changed)
            for (const int record : records)
                changed(record);
    };
    if (!m_session.writeBack(patches, refusal, label, showAgain))
        return false;
    showAgain();
    return true;
}

void PlayerTableWindow::bulkEdit() {
    std::vector<int> records;
    QSet<int> rows;
    // One selected cell is what a click or an edit leaves: the rows chosen are those of a
    // selection of more.
    const QModelIndexList selected = m_grid->selectionModel()->selectedIndexes();
    if (selected.size() > 1)
        for (const QModelIndex& index : selected)
            rows.insert(index.row());
    // Said in the language shown, again after a change of language.
    BulkEditDialog::Scope scope;
    if (!rows.isEmpty()) {
        QList<int> sorted(rows.begin(), rows.end());
        std::sort(sorted.begin(), sorted.end());
        for (const int row : sorted)
            records.push_back(m_model->recordAt(row));
        scope = [count = records.size()] {
            return count == 1 ? tr("%1 selected player").arg(count)
                              : tr("%1 selected players").arg(count);
        };
    } else {
        for (int row = 0; row < m_model->rowCount(); ++row)
            records.push_back(m_model->recordAt(row));
        const bool all = m_model->shownCount() == m_model->totalCount();
        scope = [count = records.size(), all] {
            return all ? tr("All %1 players").arg(count)
                       : tr("%1 players shown by the filter").arg(count);
        };
    }
    const TableColumns::Column& current =
        TableColumns::all().at(size_t(std::max(0, m_grid->currentIndex().column())));
    auto* dialog = new BulkEditDialog(
        m_model->table().database(), std::move(records), std::move(scope), current.sheetColumn,
        [this](const BulkChange::Plan& plan, const QString& label) {
            if (!write(plan.import.patches, label))
                return false;
            if (!plan.import.notes.isEmpty())
                m_session.inform(plan.import.notes.join(u'\n'));
            return true;
        },
        this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // No other window writes while the dialog plans on the bytes it was given.
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show(); // without a loop of its own
}

void PlayerTableWindow::paste() {
    PastePlan::Grid grid;
    for (int row = 0; row < m_model->rowCount(); ++row)
        grid.records.push_back(m_model->recordAt(row));
    QHeaderView* header = m_grid->horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual)
        if (!header->isSectionHidden(header->logicalIndex(visual)))
            grid.columns << header->logicalIndex(visual);
    // The block starts at the selection's top left cell, or at the current cell.
    QModelIndex start = m_grid->currentIndex();
    for (const QModelIndex& index : m_grid->selectionModel()->selectedIndexes())
        if (!start.isValid() || index.row() < start.row() ||
            (index.row() == start.row() &&
             header->visualIndex(index.column()) < header->visualIndex(start.column())))
            start = index;
    if (!start.isValid()) {
        m_session.message(tr("Select the cell the paste starts at first."));
        return;
    }
    grid.row = start.row();
    grid.column = int(grid.columns.indexOf(start.column()));
    const PastePlan::Plan plan =
        PastePlan::plan(m_model->table(), QApplication::clipboard()->text(), grid);
    if (!plan.ok()) {
        m_session.message(tr("%1\nNothing was written.").arg(plan.refusals.join(u'\n')));
        return;
    }
    if (plan.import.patches.empty())
        return; // every cell shows its value already
    //: The step's name in the Edit menu.
    write(plan.import.patches, plan.cells == 1 ? tr("Paste %1 cell").arg(plan.cells)
                                               : tr("Paste %1 cells").arg(plan.cells));
}

bool PlayerTableWindow::editCell(int record, int column, const QString& text) {
    const TableColumns::Column& c = TableColumns::all().at(size_t(column));
    const PlayerCells::Result plan =
        PlayerCells::plan(m_model->table().database(), record, {{c.sheetColumn, text}});
    if (plan.ok() && plan.edit.patches.empty())
        return true; // the cell shows its value already
    //: The step's name in the Edit menu: %1 is a column name of the player table ("speed"), %2
    //: the player's name.
    const QString label = tr("Edit %1: %2").arg(c.name, m_model->table().player(record).name);
    if (!write(plan.edit.patches, label, plan.refusals.join(u'\n')))
        return false;
    if (!plan.edit.notes.isEmpty())
        m_session.inform(plan.edit.notes.join(u'\n'));
    return true;
}

void PlayerTableWindow::saveSettings() const {
    EditorSettings settings;
    settings.setValue(headerKey, m_grid->horizontalHeader()->saveState());
}

void PlayerTableWindow::restoreSettings() {
    const EditorSettings settings;
    const QByteArray state = settings.value(headerKey).toByteArray();
    if (!state.isEmpty())
        m_grid->horizontalHeader()->restoreState(state);
    // The sort of another run is not done again: the grid opens in record order.
    m_grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    const QSignalBlocker quiet(m_filter);
    m_filter->addItems(settings.value(recentKey).toStringList());
    m_filter->setEditText(QString());
}

void PlayerTableWindow::hideEvent(QHideEvent* event) {
    saveSettings();
    QWidget::hideEvent(event);
}

void PlayerTableWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!std::exchange(m_placed, true))
        QTimer::singleShot(0, this, [this] { ScreenFit::keepOnScreen(*this); });
}
