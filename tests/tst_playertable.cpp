// The player table window, driven by objectName as a user drives it: opened from the main
// window's menu once Load has listed the players, a filter typed and refused, a sort by header
// clicks, a cell edited as one step of the history and undone, a refused edit, Ctrl+C, Enter,
// and the columns and filters kept between runs.
#include "app/form1.h"
#include "playertable/playertablemodel.h"
#include "playertable/playertablewindow.h"
#include "playertable/tablecolumns.h"
#include "tests/testsupport.h"
#include "tests/windowsupport.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QtTest>

#include <memory>

namespace {

// From a record's start (32 + 228 r): speed, ability slot 4, at 126 with its flag in bit 7; the
// position code at 117.
int speedOf(const QByteArray& db, int record) {
    return uchar(db[32 + 228 * record + 126]) & 0x7F;
}
int positionCodeOf(const QByteArray& db, int record) {
    return uchar(db[32 + 228 * record + 117]);
}

} // namespace

class TestPlayerTable : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void filterSortAndCount();
    void cellEditIsOneStepAndRefusalsWriteNothing();
    void copyEnterAndTheMainWindow();
    void columnsAndFiltersAreKept();
    void bulkChangeIsOneStep();
    void pasteIsOneStep();

private:
    PlayerTableWindow* openTable(Form1& window);
    QByteArray database() const { return TestSupport::readFile(m_game->databaseWorkingCopy()); }

    QTemporaryDir m_settings;
    std::unique_ptr<TestSupport::SampleGame> m_game;
};

void TestPlayerTable::initTestCase() {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
}

void TestPlayerTable::init() {
    QFile::remove(QDir(m_settings.path()).filePath(QStringLiteral("Rosterly/Rosterly.ini")));
    m_game = std::make_unique<TestSupport::SampleGame>();
    QVERIFY2(m_game->isValid(), qPrintable(m_game->error()));
}

void TestPlayerTable::cleanup() {
    m_game.reset();
}

PlayerTableWindow* TestPlayerTable::openTable(Form1& window) {
    QApplication::clipboard()->clear();
    auto* menu = window.findChild<QAction*>(QStringLiteral("mnuPlayerTable"));
    if (!menu || menu->text() != QStringLiteral("Player Table") || menu->isEnabled())
        return nullptr; // there, and not before a Load
    if (!TestSupport::openAndLoad(window, *m_game) || !menu->isEnabled())
        return nullptr;
    menu->trigger();
    auto* table = window.findChild<PlayerTableWindow*>(QStringLiteral("PlayerTable"));
    if (!table || !table->isVisible())
        return nullptr;
    table->activateWindow(); // its shortcuts answer only while it is active
    return QTest::qWaitForWindowActive(table) ? table : nullptr;
}

void TestPlayerTable::filterSortAndCount() {
    Form1 window(m_game->platform);
    PlayerTableWindow* table = openTable(window);
    QVERIFY(table);
    auto* count = table->findChild<QLabel*>(QStringLiteral("playerCount"));
    auto* filter = table->findChild<QComboBox*>(QStringLiteral("playerFilter"));
    auto* grid = table->findChild<QTableView*>(QStringLiteral("playerGrid"));
    auto* problem = table->findChild<QLabel*>(QStringLiteral("filterProblem"));
    QVERIFY(count && filter && grid && problem);
    QCOMPARE(count->text(), QStringLiteral("6450 of 6450 players"));

    const QByteArray db = database();
    QList<int> forwards;
    for (int r = 0; r < 6450; ++r)
        if ((positionCodeOf(db, r) == 192 || positionCodeOf(db, r) == 193 ||
             positionCodeOf(db, r) == 178) &&
            speedOf(db, r) >= 80)
            forwards << r;
    QVERIFY(forwards.size() > 20);
    QTest::keyClicks(filter->lineEdit(), QStringLiteral("position=CF speed>=80"));
    QCOMPARE(count->text(), QStringLiteral("%1 of 6450 players").arg(forwards.size()));
    QVERIFY(problem->isHidden());
    // An incomplete term: the last filter that could be read stays, and the box says why.
    filter->setEditText(QStringLiteral("position=CF speed>=80 age<"));
    QCOMPARE(count->text(), QStringLiteral("%1 of 6450 players").arg(forwards.size()));
    QVERIFY(problem->isVisible());
    QCOMPARE(problem->text(), QStringLiteral("age<: no value after \"<\""));
    QTest::keyClick(filter->lineEdit(), Qt::Key_Backspace);
    QTest::keyClick(filter->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(filter->currentText(), QStringLiteral("position=CF speed>=80 ag"));
    QVERIFY(problem->isHidden());
    filter->setEditText(QStringLiteral("position=CF speed>=80"));

    // Two clicks on the header of speed: the fastest first.
    const int speed = TableColumns::find(QStringLiteral("speed"));
    QHeaderView* header = grid->horizontalHeader();
    grid->scrollTo(grid->model()->index(0, speed));
    const QPoint at(header->sectionViewportPosition(speed) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(header->sortIndicatorSection(), speed);
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    const auto& model = table->model();
    QCOMPARE(model.rowCount(), int(forwards.size()));
    for (int row = 1; row < model.rowCount(); ++row) {
        QVERIFY(forwards.contains(model.recordAt(row)));
        QVERIFY(speedOf(db, model.recordAt(row - 1)) >= speedOf(db, model.recordAt(row)));
        QCOMPARE(model.index(row, speed).data().toInt(), speedOf(db, model.recordAt(row)));
    }
}

void TestPlayerTable::cellEditIsOneStepAndRefusalsWriteNothing() {
    Form1 window(m_game->platform);
    PlayerTableWindow* table = openTable(window);
    QVERIFY(table);
    auto* grid = table->findChild<QTableView*>(QStringLiteral("playerGrid"));
    const int speed = TableColumns::find(QStringLiteral("speed"));
    constexpr int record = 7;
    const QByteArray before = database();
    const QModelIndex cell = grid->model()->index(table->model().rowOf(record), speed);
    const auto edit = [&](const QString& text) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // editors before
        grid->setCurrentIndex(cell);
        QTest::keyClick(grid, Qt::Key_F2);
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        if (!editor)
            return false;
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the delegate commits from the event loop
        return true;
    };
    QVERIFY(edit(QStringLiteral("77")));
    QByteArray expected = before;
    expected[32 + 228 * record + 126] = char(77 | (uchar(before[32 + 228 * record + 126]) & 0x80));
    QCOMPARE(database(), expected);
    QCOMPARE(cell.data().toString(), QStringLiteral("77"));
    auto* undo = table->findChild<QAction*>(QStringLiteral("mnuUndo"));
    QVERIFY(undo);
    QCOMPARE(
        undo->text(),
        QStringLiteral("Undo Edit speed: %1").arg(window.controls().List1->item(record)->text()));
    QVERIFY(m_game->platform.messages.isEmpty());
    undo->trigger();
    QCOMPARE(database(), before);
    QCOMPARE(cell.data().toInt(), speedOf(before, record));

    // A value the import refuses: said with the field's name, and nothing written.
    QVERIFY(edit(QStringLiteral("150")));
    QCOMPARE(m_game->platform.messages.size(), 1);
    QCOMPARE(m_game->platform.messages.first().text,
             QStringLiteral("speed: enter a number from 0 to 127.\nNothing was written."));
    QVERIFY(m_game->platform.messages.first().warning);
    QCOMPARE(database(), before);
    QCOMPARE(cell.data().toInt(), speedOf(before, record));
    // The columns of the squads and the record's index are not edited.
    QVERIFY(!(grid->model()->flags(grid->model()->index(0, TableColumns::find("teams"))) &
              Qt::ItemIsEditable));
    QVERIFY(!(grid->model()->flags(grid->model()->index(0, 0)) & Qt::ItemIsEditable));
}

void TestPlayerTable::copyEnterAndTheMainWindow() {
    Form1 window(m_game->platform);
    PlayerTableWindow* table = openTable(window);
    QVERIFY(table);
    auto* grid = table->findChild<QTableView*>(QStringLiteral("playerGrid"));
    auto* filter = table->findChild<QComboBox*>(QStringLiteral("playerFilter"));
    filter->setEditText(QStringLiteral("index<3"));
    const int name = TableColumns::find(QStringLiteral("name"));
    const int age = TableColumns::find(QStringLiteral("age"));
    grid->selectionModel()->select(
        QItemSelection(grid->model()->index(1, name), grid->model()->index(2, age)),
        QItemSelectionModel::ClearAndSelect);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split(u'\n');
    QCOMPARE(lines.first(), QStringLiteral("name\tshirt_name\tage"));
    QCOMPARE(lines.size(), 4); // the header, two rows, the end of the last line
    QCOMPARE(lines.at(1).section(u'\t', 0, 0), window.controls().List1->item(1)->text());
    QCOMPARE(lines.at(2).section(u'\t', 2, 2), grid->model()->index(2, age).data().toString());

    // Enter shows the player of the current row in the main window.
    grid->setCurrentIndex(grid->model()->index(2, age));
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(window.controls().List1->currentRow(), 2);
    QCOMPARE(window.controls().nazivigraca->text(), window.controls().List1->item(2)->text());
}

void TestPlayerTable::columnsAndFiltersAreKept() {
    const int speed = TableColumns::find(QStringLiteral("speed"));
    {
        Form1 window(m_game->platform);
        PlayerTableWindow* table = openTable(window);
        QVERIFY(table);
        auto* grid = table->findChild<QTableView*>(QStringLiteral("playerGrid"));
        grid->horizontalHeader()->setSectionHidden(speed, true);
        grid->horizontalHeader()->moveSection(0, 3);
        auto* filter = table->findChild<QComboBox*>(QStringLiteral("playerFilter"));
        filter->setEditText(QStringLiteral("squads=0 age<21"));
        QTest::keyClick(filter->lineEdit(), Qt::Key_Return);
        table->close();
    }
    Form1 window(m_game->platform);
    PlayerTableWindow* table = openTable(window);
    QVERIFY(table);
    auto* grid = table->findChild<QTableView*>(QStringLiteral("playerGrid"));
    QVERIFY(grid->horizontalHeader()->isSectionHidden(speed));
    QCOMPARE(grid->horizontalHeader()->visualIndex(0), 3);
    auto* filter = table->findChild<QComboBox*>(QStringLiteral("playerFilter"));
    QCOMPARE(filter->itemText(0), QStringLiteral("squads=0 age<21"));
    QVERIFY(filter->currentText().isEmpty()); // a new run shows every player
}

// The forwards' speed +5 through the dialog, as one step; undone and done again.
void TestPlayerTable::bulkChangeIsOneStep() {
    Form1 window(m_game->platform);
    PlayerTableWindow* table = openTable(window);
    QVERIFY(table);
    table->findChild<QComboBox*>(QStringLiteral("playerFilter"))
        ->setEditText(QStringLiteral("position=CF,SS"));
    const auto& model = table->model();
    QList<int> forwards;
    for (int row = 0; row < model.rowCount(); ++row)
        forwards << model.recordAt(row);
    const QByteArray before = database();
    auto* bulk = table->findChild<QAction*>(QStringLiteral("bulkEdit"));
    QVERIFY(bulk && bulk->shortcut() == QKeySequence(QStringLiteral("Ctrl+B")));
    bulk->trigger();
    auto* dialog = table->findChild<QDialog*>(QStringLiteral("BulkEditDialog"));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("bulkScope"))->text(),
             QStringLiteral("%1 players shown by the filter").arg(forwards.size()));
    auto* column = dialog->findChild<QComboBox*>(QStringLiteral("bulkColumn"));
    column->setCurrentIndex(column->findText(QStringLiteral("speed")));
    auto* mode = dialog->findChild<QComboBox*>(QStringLiteral("bulkMode"));
    mode->setCurrentIndex(mode->findText(QStringLiteral("Add")));
    QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("bulkValue")),
                     QStringLiteral("5"));
    int change = 0;
    int atTop = 0;
    for (const int record : forwards) {
        const int speed = speedOf(before, record);
        change += speed < 99 ? 1 : 0;
        atTop += speed >= 99 ? 1 : 0;
    }
    const QString preview = dialog->findChild<QLabel*>(QStringLiteral("bulkPreview"))->text();
    QVERIFY2(preview.startsWith(QStringLiteral("%1 players change").arg(change)),
             qPrintable(preview));
    QVERIFY2(atTop == 0 || preview.contains(QStringLiteral("%1 already 99").arg(atTop)),
             qPrintable(preview));
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    const QByteArray after = database();
    for (const int record : forwards) {
        const int was = speedOf(before, record);
        QCOMPARE(speedOf(after, record), was > 99 ? was : std::min(99, was + 5));
    }
    auto* undo = table->findChild<QAction*>(QStringLiteral("mnuUndo"));
    QCOMPARE(undo->text(), QStringLiteral("Undo Change speed +5 (%1 players)").arg(change));
    undo->trigger();
    QCOMPARE(database(), before);
    table->findChild<QAction*>(QStringLiteral("mnuRedo"))->trigger();
    QCOMPARE(database(), after);
    QCOMPARE(table->model().index(0, TableColumns::find("speed")).data().toInt(),
             speedOf(after, table->model().recordAt(0)));
}

// Two cells a spreadsheet copied, pasted at a player's speed: one step; a refused cell writes
// nothing and names the grid's row and the column.
void TestPlayerTable::pasteIsOneStep() {
    Form1 window(m_game->platform);
    PlayerTableWindow* table = openTable(window);
    QVERIFY(table);
    auto* grid = table->findChild<QTableView*>(QStringLiteral("playerGrid"));
    const int speed = TableColumns::find(QStringLiteral("speed"));
    grid->setCurrentIndex(grid->model()->index(4, speed));
    grid->setFocus();
    const QByteArray before = database();
    QApplication::clipboard()->setText(QStringLiteral("speed\tacceleration\n66\t67\n"));
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(speedOf(database(), 4), 66);
    QCOMPARE(table->findChild<QAction*>(QStringLiteral("mnuUndo"))->text(),
             QStringLiteral("Undo Paste 2 cells"));
    QCOMPARE(m_game->platform.messages.size(), 0);
    table->findChild<QAction*>(QStringLiteral("mnuUndo"))->trigger();
    QCOMPARE(database(), before);
    QApplication::clipboard()->setText(QStringLiteral("66\t167\n"));
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(database(), before);
    QCOMPARE(m_game->platform.messages.size(), 1);
    QCOMPARE(m_game->platform.messages.first().text,
             QStringLiteral("row 5 (record 4), column acceleration: enter a number from 0 to "
                            "127.\nNothing was written."));
}

QTEST_MAIN(TestPlayerTable)
#include "tst_playertable.moc"
