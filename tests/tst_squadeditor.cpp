// The squad window: opened from the main window's menu once both files are loaded, a transfer
// written as one step of the Edit menu and shown in both tables, a shirt number refused in words,
// and the search that finds a player whatever the accents and case.
#include "app/form1.h"
#include "teamnames/form2.h"
#include "teams/squad.h"
#include "tests/testsupport.h"
#include "tests/windowsupport.h"
#include "tools/samplebuilder.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

constexpr int idColumn = 4;
constexpr int numberColumn = 1;

const SampleBuilder::Team& team(int j) {
    return SampleBuilder::teams().at(j);
}

// The player IDs a table shows, top to bottom.
QList<qint32> shownIds(const QTableWidget* table) {
    QList<qint32> ids;
    for (int r = 0; r < table->rowCount(); ++r)
        ids << table->item(r, idColumn)->text().toInt();
    return ids;
}

// The player IDs the squad holds in the bytes, slot by slot, without the empty slots.
QList<qint32> squadIds(const QByteArray& database, qint32 teamId) {
    QList<qint32> ids;
    if (const auto squad = Squad::read(database, teamId))
        for (const RosterSlot& slot : squad->rosterSlots)
            if (slot.playerId != 0)
                ids << slot.playerId;
    return ids;
}

} // namespace

class TestSquadEditor : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_game.reset(); }

    void transferIsOneStepOfTheHistory();
    void searchIgnoresAccentsAndCase();
    void choosersFollowTheTeamNames();

private:
    // Opens and loads the sample, then the squad window through the menu; null on failure.
    QWidget* openSquads(Form1& window);
    QByteArray database() const { return TestSupport::readFile(m_game->databaseWorkingCopy()); }

    std::unique_ptr<TestSupport::SampleGame> m_game;
};

void TestSquadEditor::init() {
    m_game = std::make_unique<TestSupport::SampleGame>();
    QVERIFY2(m_game->isValid(), qPrintable(m_game->error()));
}

QWidget* TestSquadEditor::openSquads(Form1& window) {
    auto* menu = window.findChild<QAction*>(QStringLiteral("mnuSquads"));
    if (!menu || menu->text() != QStringLiteral("Squads") || menu->isEnabled())
        return nullptr; // there, and not before a Load
    if (!TestSupport::openAndLoad(window, *m_game) || !menu->isEnabled())
        return nullptr;
    menu->trigger();
    auto* squads = window.findChild<QWidget*>(QStringLiteral("SquadEditor"));
    return squads && squads->isVisible() &&
                   squads->windowTitle() == QStringLiteral("Squads — unnamed_25.bin[*]")
               ? squads
               : nullptr;
}

void TestSquadEditor::transferIsOneStepOfTheHistory() {
    Form1 window(m_game->platform);
    QWidget* squads = openSquads(window);
    QVERIFY(squads);
    auto* leftTeam = squads->findChild<QComboBox*>(QStringLiteral("leftTeam"));
    auto* rightTeam = squads->findChild<QComboBox*>(QStringLiteral("rightTeam"));
    auto* left = squads->findChild<QTableWidget*>(QStringLiteral("leftSquad"));
    auto* right = squads->findChild<QTableWidget*>(QStringLiteral("rightSquad"));
    QVERIFY(leftTeam && rightTeam && left && right);
    QCOMPARE(leftTeam->itemText(leftTeam->count() - 1), QStringLiteral("Free agents"));
    leftTeam->setCurrentIndex(leftTeam->findText(team(0).name));
    rightTeam->setCurrentIndex(rightTeam->findText(team(1).name));
    const QByteArray before = database();
    const QList<qint32> leftBefore = squadIds(before, team(0).id);
    QCOMPARE(shownIds(left), leftBefore);
    QCOMPARE(shownIds(right), squadIds(before, team(1).id));

    // Transfer → takes the player selected on the left into the right squad.
    const qint32 moved = leftBefore.first();
    left->selectRow(0);
    squads->findChild<QPushButton*>(QStringLiteral("transferRight"))->click();
    QVERIFY2(m_game->platform.messages.isEmpty(),
             qPrintable(m_game->platform.messages.value(0).text));
    const QByteArray after = database();
    QVERIFY(!squadIds(after, team(0).id).contains(moved));
    QCOMPARE(squadIds(after, team(1).id).last(), moved);
    QCOMPARE(shownIds(left), squadIds(after, team(0).id));
    QCOMPARE(shownIds(right), squadIds(after, team(1).id));
    auto* undo = window.menuBar()->findChild<QAction*>(QStringLiteral("mnuUndo"));
    QVERIFY(undo);
    QCOMPARE(undo->text(),
             QStringLiteral("Undo Transfer: %1 to %2")
                 .arg(SampleBuilder::playerName(team(0).players.first()), team(1).name));

    // A shirt number worn by another player of the squad is refused in words.
    const int wornBy = team(0).players.at(2);
    const QString worn = left->item(1, numberColumn)->text();
    left->item(0, numberColumn)->setText(worn);
    QTRY_COMPARE(m_game->platform.messages.size(), 1);
    QCOMPARE(m_game->platform.messages.first().text,
             QStringLiteral("Shirt number %1 is taken by %2 in %3.\nNothing was written.")
                 .arg(worn, SampleBuilder::playerName(wornBy), team(0).name));
    QCOMPARE(database(), after);
    QVERIFY(left->item(0, numberColumn)->text() != worn); // shown as stored again

    // The squad window's own Edit > Undo takes back the main window's step: the bytes are put
    // back, and both tables show them at once.
    const QList<QAction*> undos = squads->findChildren<QAction*>(QStringLiteral("mnuUndo"));
    QCOMPARE(undos.size(), 1);
    QCOMPARE(undos.first()->text(), undo->text());
    undos.first()->trigger();
    QCOMPARE(database(), before);
    QCOMPARE(shownIds(left), leftBefore);
    QCOMPARE(shownIds(right), squadIds(before, team(1).id));

    // Dragged from the right table and dropped on the left one, a player is transferred as by
    // "← Transfer"; dropped on his own table, nothing happens.
    const qint32 dragged = shownIds(right).first();
    right->selectRow(0);
    const std::unique_ptr<QMimeData> drag(right->model()->mimeData({right->model()->index(0, 0)}));
    QVERIFY(drag);
    QVERIFY(!right->model()->dropMimeData(drag.get(), Qt::CopyAction, -1, -1, {}));
    QVERIFY(left->model()->dropMimeData(drag.get(), Qt::CopyAction, -1, -1, {}));
    QTRY_COMPARE(squadIds(database(), team(0).id), leftBefore + QList<qint32>{dragged});
    QVERIFY(!squadIds(database(), team(1).id).contains(dragged));
    QCOMPARE(shownIds(left), leftBefore + QList<qint32>{dragged});
}

void TestSquadEditor::searchIgnoresAccentsAndCase() {
    Form1 window(m_game->platform);
    QWidget* squads = openSquads(window);
    QVERIFY(squads);
    auto* search = squads->findChild<QLineEdit*>(QStringLiteral("squadSearch"));
    auto* results = squads->findChild<QListWidget*>(QStringLiteral("squadSearchResults"));
    auto* left = squads->findChild<QTableWidget*>(QStringLiteral("leftSquad"));
    QVERIFY(search && results && left);
    const int accented = SampleBuilder::accentedNamePlayer; // "Mesut Özil"
    const qint32 id = SampleBuilder::playerId(accented);
    search->setText(QStringLiteral("sut OZ"));
    QVERIFY(results->count() >= 1);
    int found = -1;
    for (int r = 0; r < results->count(); ++r)
        if (results->item(r)->text().startsWith(SampleBuilder::playerName(accented)))
            found = r;
    QVERIFY(found >= 0);
    // The squads he is in follow his name.
    const auto inSquad =
        std::find_if(SampleBuilder::teams().cbegin(), SampleBuilder::teams().cend(),
                     [&](const SampleBuilder::Team& t) { return t.players.contains(accented); });
    QVERIFY(inSquad != SampleBuilder::teams().cend());
    QVERIFY2(results->item(found)->text().contains(inSquad->name),
             qPrintable(results->item(found)->text()));

    // Choosing him shows his team on the left with his row selected.
    results->setCurrentRow(found);
    QCOMPARE(squads->findChild<QComboBox*>(QStringLiteral("leftTeam"))->currentText(),
             inSquad->name);
    const QList<QTableWidgetItem*> selected = left->selectedItems();
    QVERIFY(!selected.isEmpty());
    QCOMPARE(left->item(selected.first()->row(), idColumn)->text().toInt(), id);
}

void TestSquadEditor::choosersFollowTheTeamNames() {
    Form1 window(m_game->platform);
    QWidget* squads = openSquads(window);
    QVERIFY(squads);
    Form2* names = window.teamEditor();
    QVERIFY(names);
    auto* leftTeam = squads->findChild<QComboBox*>(QStringLiteral("leftTeam"));
    leftTeam->setCurrentIndex(leftTeam->findText(team(2).name));

    // A rename in the team name editor shows in the open squad window, the team still chosen.
    names->findChild<QListWidget*>(QStringLiteral("List1"))->setCurrentRow(2);
    names->findChild<QLineEdit*>(QStringLiteral("nazivigraca"))->setText(QStringLiteral("Renamed"));
    names->findChild<QPushButton*>(QStringLiteral("promjena_imena"))->click();
    QVERIFY2(m_game->platform.messages.isEmpty(),
             qPrintable(m_game->platform.messages.value(0).text));
    QTRY_COMPARE(leftTeam->currentText(), QStringLiteral("Renamed"));
    QCOMPARE(leftTeam->findText(team(2).name), -1);

    // So does its undo.
    names->findChild<QAction*>(QStringLiteral("mnuUndo"))->trigger();
    QTRY_COMPARE(leftTeam->currentText(), team(2).name);
}

QTEST_MAIN(TestSquadEditor)
#include "tst_squadeditor.moc"
