// File > "Export to CSV…", "Export to Excel…", "Import Sheet…" and "Restore Backup…" in the main
// window, answered through the platform layer: the sheets written, an import asked for, written
// into the working copy and shown after the lists are loaded again, every refusal writing nothing,
// and the backup a SAVE made put back.
#include "app/form1.h"
#include "codec/container.h"
#include "common/backups.h"
#include "exchange/playersheet.h"
#include "exchange/rostersheet.h"
#include "exchange/teamsheet.h"
#include "shell/gamefilesession.h"
#include "teamnames/form2.h"
#include "tests/testsupport.h"
#include "tests/windowsupport.h"
#include "tools/samplebuilder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace TestSupport;

namespace {

const QString exportTitle = QStringLiteral("Export to CSV");
const QString importTitle = QStringLiteral("Import Sheet");

} // namespace

class TestCsvMenu : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_game.reset(); }

    void menuItemsFollowOpen();
    void exportWritesTheSheetsOfTheLoadedFiles();
    void excelWorkbooksGoOutAndComeBack();
    void importAsksWritesAndShows_data();
    void importAsksWritesAndShows();
    void importRefusals_data();
    void importRefusals();
    void restoreBackupPutsTheSavedFileBack_data();
    void restoreBackupPutsTheSavedFileBack();
    void importFromAnotherDatabase();

private:
    QString sheet(const QString& name, const QByteArray& csv);

    std::unique_ptr<SampleGame> m_game;
};

void TestCsvMenu::init() {
    m_game = std::make_unique<SampleGame>(QStringLiteral("game"));
    QVERIFY2(m_game->isValid(), qPrintable(m_game->error()));
}

QString TestCsvMenu::sheet(const QString& name, const QByteArray& csv) {
    const QString path = m_game->path(name);
    writeFile(path, csv);
    return path;
}

void TestCsvMenu::menuItemsFollowOpen() {
    Form1 window(m_game->platform);
    const QList<QAction*> items = window.controls().mnuFile->actions();
    QCOMPARE(items.size(), 8);
    QCOMPARE(items.at(0)->text(), QStringLiteral("Open"));
    QCOMPARE(items.at(1)->text(), QStringLiteral("Export to CSV…"));
    QCOMPARE(items.at(2)->text(), QStringLiteral("Export to Excel…"));
    QCOMPARE(items.at(2)->objectName(), QStringLiteral("mnuExportXlsx"));
    QCOMPARE(items.at(3)->text(), QStringLiteral("Import Sheet…"));
    QCOMPARE(items.at(4)->objectName(), QStringLiteral("mnuImportDatabase"));
    QCOMPARE(items.at(5)->text(), QStringLiteral("Restore Backup…"));
    QCOMPARE(items.at(5)->objectName(), QStringLiteral("mnuRestoreBackup"));
    QVERIFY(items.at(6)->isSeparator());
    QCOMPARE(items.at(7)->text(), QStringLiteral("&Quit"));
    QCOMPARE(items.at(7)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    QCOMPARE(items.at(0)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    QCOMPARE(window.controls().mnuFile->title(), QStringLiteral("&File"));
    // Nothing loaded: both say so and ask for nothing.
    window.controls().mnuExportCsv->trigger();
    window.controls().mnuImportCsv->trigger();
    QCOMPARE(m_game->platform.messages.size(), 2);
    QVERIFY(m_game->platform.messages.first().text.contains(QStringLiteral("Load")));
    QVERIFY(m_game->platform.askedTitles.isEmpty());
}

void TestCsvMenu::exportWritesTheSheetsOfTheLoadedFiles() {
    Form1 window(m_game->platform);
    QVERIFY(openAndLoad(window, *m_game));
    const QString folder = m_game->path(QStringLiteral("sheets ö"));
    QVERIFY(QDir().mkpath(folder));
    m_game->platform.folderAnswers[exportTitle] = folder;
    window.controls().mnuExportCsv->trigger();
    const QByteArray database = readFile(m_game->databaseWorkingCopy());
    const QByteArray teams = readFile(m_game->teamWorkingCopy());
    QCOMPARE(readFile(folder + QStringLiteral("/players.csv")), PlayerSheet::write(database));
    QCOMPARE(readFile(folder + QStringLiteral("/teams.csv")), TeamSheet::write(teams));
    QCOMPARE(readFile(folder + QStringLiteral("/rosters.csv")),
             RosterSheet::write(database, teams));
    QCOMPARE(m_game->platform.messages.size(), 1);
    QVERIFY(m_game->platform.questions.isEmpty());

    // Again: each existing sheet is replaced only when the user agrees.
    writeFile(folder + QStringLiteral("/players.csv"), "mine");
    m_game->platform.answerYes = false;
    window.controls().mnuExportCsv->trigger();
    QCOMPARE(m_game->platform.questions.size(), 3);
    QCOMPARE(readFile(folder + QStringLiteral("/players.csv")), QByteArray("mine"));
}

// Export to Excel writes the three workbooks; Import Sheet takes one back, an untouched one
// changing nothing, an edited one what was edited.
void TestCsvMenu::excelWorkbooksGoOutAndComeBack() {
    Form1 window(m_game->platform);
    QVERIFY(openAndLoad(window, *m_game));
    const QString folder = m_game->path(QStringLiteral("Mappe ö"));
    QVERIFY(QDir().mkpath(folder));
    m_game->platform.folderAnswers[QStringLiteral("Export to Excel")] = folder;
    window.controls().mnuExportXlsx->trigger();
    QCOMPARE(QDir(folder).entryList(QDir::Files),
             QStringList({"players.xlsx", "rosters.xlsx", "teams.xlsx"}));
    QCOMPARE(m_game->platform.messages.last().text,
             QStringLiteral("Wrote players.xlsx, teams.xlsx, rosters.xlsx to %1.")
                 .arg(QDir::toNativeSeparators(folder)));

    const QByteArray before = readFile(m_game->databaseWorkingCopy());
    m_game->platform.answers[importTitle] = folder + QStringLiteral("/players.xlsx");
    window.controls().mnuImportCsv->trigger();
    QVERIFY(m_game->platform.messages.last().text.contains(QStringLiteral("changes nothing")));
    QVERIFY(m_game->platform.questions.isEmpty());
    QCOMPARE(readFile(m_game->databaseWorkingCopy()), before);
}

void TestCsvMenu::importAsksWritesAndShows_data() {
    QTest::addColumn<bool>("teams");
    QTest::addColumn<bool>("agreed");
    QTest::newRow("players, the user goes ahead") << false << true;
    QTest::newRow("players, the user declines") << false << false;
    QTest::newRow("team names, the user goes ahead") << true << true;
}

void TestCsvMenu::importAsksWritesAndShows() {
    QFETCH(bool, teams);
    QFETCH(bool, agreed);
    Form1 window(m_game->platform);
    QVERIFY(openAndLoad(window, *m_game));
    Form1Controls& c = window.controls();
    c.List1->setCurrentRow(7);
    window.showTeamEditor(); // an import leaves it open
    // Row 7 renamed, row 5's attack lowered; semicolons and a byte-order mark, as spreadsheets
    // in many places save them.
    const QByteArray csv =
        teams ? QByteArray("position,name\r\n0,\xC3\x96sterreich\r\n")
              : QStringLiteral("\uFEFFindex;id;attack;name\r\n7;%1;%2;Imported Name\r\n"
                               "5;%3;33;%4\r\n")
                    .arg(c.lists.listaid.items.at(7), c.abilityBoxes[0]->text(),
                         c.lists.listaid.items.at(5), c.lists.odabir_timova.items.at(5))
                    .toUtf8();
    m_game->platform.answers[importTitle] = sheet(QStringLiteral("sheet.csv"), csv);
    m_game->platform.answerYes = agreed;
    const QString workingCopy = teams ? m_game->teamWorkingCopy() : m_game->databaseWorkingCopy();
    const QByteArray before = readFile(workingCopy);
    c.mnuImportCsv->trigger();

    QCOMPARE(m_game->platform.questions.size(), 1);
    const QString question = m_game->platform.questions.first();
    QVERIFY2(question.contains(teams ? QStringLiteral("1 field in 1 record")
                                     : QStringLiteral("2 fields in 2 records")),
             qPrintable(question));
    QVERIFY(
        question.contains(teams ? QStringLiteral("Österreich") : QStringLiteral("Imported Name")));
    const QByteArray after = readFile(workingCopy);
    if (!agreed) {
        QCOMPARE(after, before);
        return;
    }
    QVERIFY(m_game->platform.messages.isEmpty());
    const ImportPlan plan = teams ? TeamSheet::plan(before, csv) : PlayerSheet::plan(before, csv);
    QByteArray expected = before;
    for (const Patch& patch : plan.patches)
        expected.replace(patch.offset, patch.bytes.size(), patch.bytes);
    QVERIFY(after != before);
    QCOMPARE(after, expected);
    // The lists were loaded again and show the imported values; the team name editor stays.
    QVERIFY(window.teamEditor()->isVisible());
    if (teams) {
        QCOMPARE(c.timovi_lista->itemText(0), QStringLiteral("Österreich"));
        QCOMPARE(window.teamEditor()->teamNames().first(), QStringLiteral("Österreich"));
        return;
    }
    QCOMPARE(c.List1->item(7)->text(), QStringLiteral("Imported Name"));
    // The player shown before is shown again from the file.
    QCOMPARE(c.List1->currentRow(), 7);
    QCOMPARE(c.nazivigraca->text(), QStringLiteral("Imported Name"));
    c.List1->setCurrentRow(5);
    QCOMPARE(c.abilityBoxes[0]->text(), QStringLiteral("33"));
}

void TestCsvMenu::importRefusals_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QString>("said");
    QTest::newRow("a bad cell") << QByteArray("index,id,age\r\n3,{id3},300\r\n") << false
                                << "row 2, column age";
    QTest::newRow("not a sheet of this editor")
        << QByteArray("a,b\r\n1,2\r\n") << false << "neither";
    QTest::newRow("rosters sheet without rows")
        << QByteArray("team_id,team_name,slot,player_id,player_name,shirt_number\r\n") << false
        << "changes nothing";
    QTest::newRow("rosters sheet with a number taken")
        << QByteArray("team_id,team_name,slot,player_id,player_name,shirt_number\r\n"
                      "100,Austria,0,{id3},x,7\r\n100,Austria,1,{id4},x,7\r\n")
        << false << "row 3, column shirt_number: Shirt number 7 is taken by";
    QTest::newRow("an image") << QByteArray("\x89PNG\r\n\x1A\n") << false
                              << "cannot be imported: it is not a text sheet: it looks like a PNG";
    QTest::newRow("while the database is saving")
        << QByteArray("index,id,age\r\n3,{id3},30\r\n") << true << "save is in progress";
}

void TestCsvMenu::importRefusals() {
    QFETCH(QByteArray, csv);
    QFETCH(bool, saving);
    QFETCH(QString, said);
    Form1 window(m_game->platform);
    QVERIFY(openAndLoad(window, *m_game));
    csv.replace("{id3}", window.controls().lists.listaid.items.at(3).toUtf8());
    csv.replace("{id4}", window.controls().lists.listaid.items.at(4).toUtf8());
    m_game->platform.answers[importTitle] = sheet(QStringLiteral("players.csv"), csv);
    const QByteArray before = readFile(m_game->databaseWorkingCopy());
    if (saving)
        window.controls().Command1->click();
    window.controls().mnuImportCsv->trigger();
    QVERIFY(m_game->platform.questions.isEmpty());
    QVERIFY(!m_game->platform.messages.isEmpty());
    QVERIFY2(m_game->platform.messages.first().text.contains(said),
             qPrintable(m_game->platform.messages.first().text));
    QCOMPARE(readFile(m_game->databaseWorkingCopy()), before);
    if (saving)
        QTRY_COMPARE_WITH_TIMEOUT(m_game->platform.messages.last().text, QStringLiteral("DONE!"),
                                  20000);
}

void TestCsvMenu::restoreBackupPutsTheSavedFileBack_data() {
    QTest::addColumn<bool>("teams");
    QTest::addColumn<bool>("agreed");
    QTest::addColumn<bool>("saving"); // a second SAVE of the file still going
    QTest::addColumn<QString>("said");
    QTest::newRow("player database")
        << false << true << false << "open in the player editor, whose working copy still holds";
    QTest::newRow("team file") << true << true << false << "open in the team name editor";
    QTest::newRow("declined") << false << false << false << "";
    QTest::newRow("while the file saves") << false << true << true << "save is in progress";
}

// A SAVE keeps the game file as it was in a backup; File > Restore Backup… puts that back.
void TestCsvMenu::restoreBackupPutsTheSavedFileBack() {
    QFETCH(bool, teams);
    QFETCH(bool, agreed);
    QFETCH(bool, saving);
    QFETCH(QString, said);
    Form1 window(m_game->platform);
    QVERIFY(openAndLoad(window, *m_game));
    const QString gameFile = teams ? m_game->teamFile() : m_game->database();
    QPushButton* save = teams ? window.teamEditor()->findChild<QPushButton*>("Command1")
                              : window.controls().Command1;
    WorkingCopy(WorkingCopy::pathForGameFile(gameFile)).write({{80, QByteArray("X")}});
    const QByteArray original = readFile(gameFile);
    save->click();
    QTRY_COMPARE_WITH_TIMEOUT(m_game->platform.messages.size(), 1, 20000);
    QCOMPARE(m_game->platform.messages.takeFirst().text, QStringLiteral("DONE!"));
    const std::vector<Backups::Backup> backups = Backups::list(gameFile);
    QCOMPARE(backups.size(), size_t(1));
    QCOMPARE(readFile(backups.front().path), original);
    const QByteArray saved = readFile(gameFile);
    QVERIFY(saved != original);

    m_game->platform.answers[QStringLiteral("Restore Backup")] = backups.front().path;
    m_game->platform.answerYes = agreed;
    if (saving)
        save->click();
    window.controls().mnuRestoreBackup->trigger();
    // The dialog starts among the player database's backups.
    QCOMPARE(QDir::cleanPath(m_game->platform.startFolders.value(QStringLiteral("Restore Backup"))),
             QDir::cleanPath(QDir(m_game->folder()).filePath(QStringLiteral("backups"))));
    QCOMPARE(m_game->platform.questions.size(), 1);
    QVERIFY(m_game->platform.questions.first().startsWith(
        QStringLiteral("Put the backup %1 in place of ")
            .arg(QDir::toNativeSeparators(backups.front().path))));
    QCOMPARE(m_game->platform.messages.isEmpty(), !agreed);
    if (saving)
        QTRY_COMPARE_WITH_TIMEOUT(m_game->platform.messages.last().text, QStringLiteral("DONE!"),
                                  20000);
    if (!agreed || saving) {
        QCOMPARE(readFile(gameFile), saved);
        QVERIFY2(said.isEmpty() || m_game->platform.messages.first().text.contains(said),
                 qPrintable(m_game->platform.messages.value(0).text));
        return;
    }
    const QString text = m_game->platform.messages.first().text;
    QVERIFY2(text.contains(said) && text.contains(QStringLiteral("File > Open")), qPrintable(text));
    QCOMPARE(readFile(gameFile), original);
    const std::vector<Backups::Backup> after = Backups::list(gameFile);
    QCOMPARE(after.size(), size_t(2));
    QCOMPARE(readFile(after.front().path), saved);
}

// The other pair of game files in a folder of their own: three players, a squad and a team name
// differ, one squad is refused. The parts and the filter choose; Import writes one step of each
// window's history, which Undo takes back; the other files stay as they were, alone.
void TestCsvMenu::importFromAnotherDatabase() {
    const QString folder = m_game->path(QStringLiteral("other"));
    QVERIFY(QDir().mkpath(folder));
    const GamePair other = otherSample();
    const QString otherDb = QDir(folder).filePath(QStringLiteral("unnamed_25.bin"));
    const QString otherTeams = QDir(folder).filePath(QStringLiteral("unnamed_32.bin"));
    QVERIFY(writeFile(otherDb, Container::compress(other.database).bytes));
    QVERIFY(writeFile(otherTeams, Container::compress(other.teamFile).bytes));
    m_game->platform.answers[QStringLiteral("Import from Another Database")] = otherDb;
    m_game->platform.answers[QStringLiteral("The other database's team file (Cancel: none)")] =
        otherTeams;
    Form1 window(m_game->platform);
    QVERIFY(openAndLoad(window, *m_game));
    const QByteArray database = readFile(m_game->databaseWorkingCopy());
    const QByteArray teamFile = readFile(m_game->teamWorkingCopy());
    window.findChild<QAction*>(QStringLiteral("mnuImportDatabase"))->trigger();
    auto* merge = window.findChild<QWidget*>(QStringLiteral("DatabaseImport"));
    QVERIFY(merge && merge->isVisible());
    auto* summary = merge->findChild<QLabel*>(QStringLiteral("mergeSummary"));
    QCOMPARE(summary->text(), QStringLiteral("3 players, 1 squad, 1 team name will change"));
    QVERIFY(merge->findChild<QPlainTextEdit*>(QStringLiteral("mergeTeams"))
                ->toPlainText()
                .contains(QStringLiteral("refused: Bulgaria")));
    merge->findChild<QCheckBox*>(QStringLiteral("mergeSquads"))->setChecked(false);
    merge->findChild<QLineEdit*>(QStringLiteral("mergeFilter"))
        ->setText(QStringLiteral("index<35"));
    QCOMPARE(summary->text(), QStringLiteral("2 players, 0 squads, 1 team name will change"));
    merge->findChild<QPushButton*>(QStringLiteral("mergeImport"))->click();

    const QByteArray merged = readFile(m_game->databaseWorkingCopy());
    QCOMPARE(uchar(merged[32 + 228 * 11 + 126]) & 0x7F, 41);
    QCOMPARE(merged.mid(32 + 228 * 30 + 50, 11), QByteArray("Zolt\xE1n Kiss", 11));
    QCOMPARE(merged.mid(32 + 228 * 40, 228), database.mid(32 + 228 * 40, 228)); // filtered out
    QCOMPARE(readFile(m_game->teamWorkingCopy()), other.teamFile);
    const QString label = QStringLiteral("Import from other/unnamed_25.bin (2 players)");
    QCOMPARE(window.session().history().undoText(), label);
    QCOMPARE(window.teamEditor()->session().history().undoText(), label);
    QCOMPARE(window.controls().List1->item(30)->text(), QStringLiteral("Zoltán Kiss"));
    QVERIFY(window.session().undo());
    QVERIFY(window.teamEditor()->session().undo());
    QCOMPARE(readFile(m_game->databaseWorkingCopy()), database);
    QCOMPARE(readFile(m_game->teamWorkingCopy()), teamFile);
    QCOMPARE(window.controls().List1->item(30)->text(), SampleBuilder::playerName(30));
    // Read in memory: nothing was written beside the other files.
    QCOMPARE(TestSupport::entries(folder), (QStringList{"unnamed_25.bin", "unnamed_32.bin"}));
}

QTEST_MAIN(TestCsvMenu)
#include "tst_csvmenu.moc"
