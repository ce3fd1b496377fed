// One game file per window: Load waits for the codec without blocking the window, the bounds of
// Load and SAVE expire with a message, no write reaches a working copy while it is being saved, a
// file open in one window cannot be opened in the other, and write-backs never reach the roster
// table.
#include "app/form1.h"
#include "codec/container.h"
#include "common/workingcopy.h"
#include "shell/gamefilesession.h"
#include "teamnames/form2.h"
#include "tests/testsupport.h"
#include "tests/windowsupport.h"
#include "tools/samplebuilder.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace TestSupport;

namespace {

QPushButton* button(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

class TestSession : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_game.reset(); }

    void loadWaitsForASlowCodecAndTheWindowAnswers();
    void loadWaitExpires();
    void saveBoundExpires();
    void saveIsRefusedWhileDecompressing();
    void writesAreRefusedWhileSaving_data();
    void writesAreRefusedWhileSaving();
    void anotherDatabaseIsListedAfterOpenAndLoad();
    void aFileOpenInOneWindowIsRefusedInTheOther();
    void writeBacksStopAtTheRosterTable_data();
    void writeBacksStopAtTheRosterTable();
    void renameWithoutAShortNameKeepsItsBytes();
    void oneFailedTwinRunIsNotTheFilesFailure();

private:
    // A codec that sleeps before it does the real work; `when` is "-d" for decompress runs only,
    // "pack" for compress runs only, or empty for every run.
    QString slowCodec(int seconds, const QByteArray& when = {});
    bool loadAndWait(Form1& window);

    std::unique_ptr<TestSupport::SampleGame> m_game;
};

void TestSession::init() {
    m_game = std::make_unique<TestSupport::SampleGame>(QStringLiteral("game"));
    QVERIFY2(m_game->isValid(), qPrintable(m_game->error()));
}

QString TestSession::slowCodec(int seconds, const QByteArray& when) {
    const QString path = m_game->path(QStringLiteral("slow codec"));
    const QByteArray codec = TestSupport::builtProgram(QStringLiteral("zlib2.dll")).toUtf8();
    QByteArray sleep = "sleep " + QByteArray::number(seconds);
    if (when == "-d")
        sleep = "[ \"$2\" = -d ] && " + sleep;
    else if (when == "pack")
        sleep = "[ \"$2\" = -d ] || " + sleep;
    TestSupport::writeFile(path, "#!/bin/sh\n" + sleep + "\nexec '" + codec + "' \"$@\"\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

bool TestSession::loadAndWait(Form1& window) {
    QSignalSpy finished(&window, &Form1::loadFinished);
    window.load();
    return (!finished.isEmpty() || finished.wait(30000)) && finished.first().at(0).toBool();
}

void TestSession::loadWaitsForASlowCodecAndTheWindowAnswers() {
    m_game->platform.codec = slowCodec(5, "-d");
    Form1 window(m_game->platform);
    window.show();
    Form1Controls& c = window.controls();
    window.openDatabase();
    QSignalSpy finished(&window, &Form1::loadFinished);
    QElapsedTimer pressed;
    pressed.start();
    QVERIFY(!window.load());
    QVERIFY(pressed.elapsed() < 2000); // returned at once
    QVERIFY(window.isLoading());
    QVERIFY(c.puni->text().contains(QStringLiteral("Waiting for the codec tool")));

    // The window answers meanwhile; a second Load is refused.
    QTest::qWait(200);
    QTest::mouseClick(c.trazi_tim, Qt::LeftButton); // a click into the search box empties it
    QVERIFY(c.trazi_tim->text().isEmpty());
    QTest::keyClicks(c.nazivigraca, QStringLiteral("typed"));
    QCOMPARE(c.nazivigraca->text(), QStringLiteral("typed"));
    c.Command2->click();
    QCOMPARE(m_game->platform.messages.size(), 1);
    QVERIFY(m_game->platform.messages.first().text.contains(QStringLiteral("waiting")));
    QCOMPARE(c.List1->count(), 0);

    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.first().at(0).toBool(), true);
    QCOMPARE(c.List1->count(), 6665);
    QVERIFY(c.timovi_lista->count() > 0);
    QVERIFY(!c.puni->text().contains(QStringLiteral("Waiting")));
    QCOMPARE(m_game->platform.messages.size(), 1);
}

void TestSession::loadWaitExpires() {
    m_game->platform.codec = slowCodec(4, "-d");
    Form1 window(m_game->platform);
    window.session().setBounds({300, 60});
    window.openDatabase();
    QVERIFY(!loadAndWait(window));
    QCOMPARE(m_game->platform.messages.size(), 1);
    QVERIFY2(m_game->platform.messages.first().text.contains(QStringLiteral("within 0.3 seconds")),
             qPrintable(m_game->platform.messages.first().text));
    QCOMPARE(window.controls().List1->count(), 0);
    QVERIFY(!window.isLoading());
    // Once the codec has finished, Load lists the players.
    QVERIFY(waitForDecompress(window));
    QVERIFY(loadAndWait(window));
}

void TestSession::saveBoundExpires() {
    Form1 window(m_game->platform);
    QVERIFY(openAndLoad(window, *m_game));
    const QByteArray original = TestSupport::readFile(m_game->database());
    m_game->platform.codec = slowCodec(6, "pack");
    window.session().setBounds({30000, 1});
    window.controls().Command1->click();
    QTRY_COMPARE_WITH_TIMEOUT(m_game->platform.messages.size(), 1, 10000);
    QVERIFY2(m_game->platform.messages.first().text.contains(QStringLiteral("within 1 seconds")),
             qPrintable(m_game->platform.messages.first().text));
    QVERIFY(!window.session().isSaving());
    QCOMPARE(TestSupport::readFile(m_game->database()), original);
    QVERIFY(!QFile::exists(WorkingCopy::compressedPathForGameFile(m_game->database())));
}

void TestSession::saveIsRefusedWhileDecompressing() {
    m_game->platform.codec = slowCodec(3, "-d");
    Form1 window(m_game->platform);
    window.openDatabase();
    const QByteArray original = TestSupport::readFile(m_game->database());
    window.controls().Command1->click();
    QCOMPARE(m_game->platform.messages.size(), 1);
    QVERIFY(m_game->platform.messages.first().text.contains(QStringLiteral("still working")));
    QVERIFY(!window.session().isSaving());
    QVERIFY(waitForDecompress(window));
    QCOMPARE(TestSupport::readFile(m_game->database()), original);
}

void TestSession::writesAreRefusedWhileSaving_data() {
    QTest::addColumn<QString>("write");
    QTest::newRow("Apply Changes") << "promjena_imena";
    QTest::newRow("Apply Abilities") << "Command4";
    QTest::newRow("Relink") << "Command5";
    QTest::newRow("Change name") << "team editor";
}

void TestSession::writesAreRefusedWhileSaving() {
    QFETCH(QString, write);
    Form1 window(m_game->platform);
    QVERIFY(openAndLoad(window, *m_game));
    Form1Controls& c = window.controls();
    c.List1->setCurrentRow(3);
    c.nazivigraca->setText(QStringLiteral("Changed During Save"));
    c.abilityBoxes[0]->setText(QStringLiteral("11"));
    c.face->setText(QStringLiteral("1234"));
    Form2* editor = window.teamEditor();
    editor->findChild<QListWidget*>(QStringLiteral("List1"))->setCurrentRow(2);
    editor->findChild<QLineEdit*>(QStringLiteral("nazivigraca"))->setText(QStringLiteral("X"));
    const bool teamFile = write == QLatin1String("team editor");
    const QString workingCopy =
        teamFile ? m_game->teamWorkingCopy() : m_game->databaseWorkingCopy();
    const QByteArray before = TestSupport::readFile(workingCopy);

    m_game->platform.codec = slowCodec(3, "pack");
    QWidget* saving = teamFile ? static_cast<QWidget*>(editor) : &window;
    button(saving, "Command1")->click();
    QVERIFY(teamFile ? editor->session().isSaving() : window.session().isSaving());
    button(saving, teamFile ? "promjena_imena" : qPrintable(write))->click();
    QCOMPARE(m_game->platform.messages.size(), 1);
    QVERIFY(m_game->platform.messages.first().text.contains(QStringLiteral("save is in progress")));
    QCOMPARE(TestSupport::readFile(workingCopy), before);
    QTRY_COMPARE_WITH_TIMEOUT(m_game->platform.messages.size(), 2, 20000);
    QCOMPARE(m_game->platform.messages.last().text, QStringLiteral("DONE!"));
}

void TestSession::anotherDatabaseIsListedAfterOpenAndLoad() {
    // A second database: the sample with other names at the top of the list.
    const QString second = m_game->path(QStringLiteral("other/unnamed_25.bin"));
    QVERIFY(QDir().mkpath(QFileInfo(second).absolutePath()));
    QByteArray database = SampleBuilder::playerDatabase();
    database.replace(32 + 50, 10, QByteArray("Other Name"));
    QVERIFY(TestSupport::writeFile(second, Container::compress(database).bytes));

    Form1 window(m_game->platform);
    QVERIFY(openAndLoad(window, *m_game));
    QCOMPARE(window.controls().List1->item(0)->text(), SampleBuilder::playerName(0));
    const quint64 generation = window.session().generation();
    m_game->platform.answers[TestSupport::playerTitle] = second;
    window.openDatabase();
    QCOMPARE(window.session().generation(), generation + 1);
    QCOMPARE(window.controls().List1->count(), 0);
    QVERIFY(loadAndWait(window));
    QCOMPARE(window.controls().List1->item(0)->text().left(10), QStringLiteral("Other Name"));
    QCOMPARE(window.session().gameFile(), second);
}

void TestSession::aFileOpenInOneWindowIsRefusedInTheOther() {
    Form1 window(m_game->platform);
    QVERIFY(openAndLoad(window, *m_game));
    Form2* editor = window.teamEditor();

    // The team file chosen as the player database: refused, the database stays open and loaded.
    m_game->platform.answers[TestSupport::playerTitle] = m_game->teamFile();
    window.openDatabase();
    QCOMPARE(m_game->platform.messages.size(), 1);
    QVERIFY(m_game->platform.messages.first().text.contains(QStringLiteral("team name editor")));
    QCOMPARE(window.session().gameFile(), m_game->database());
    QCOMPARE(window.session().decompressRuns().state(), CodecRuns::State::Succeeded);
    QCOMPARE(window.controls().List1->count(), 6665);

    // The player database chosen in the team name editor, through another path to it.
    m_game->platform.answers[QStringLiteral("Select unnamed_11.bin:")] =
        m_game->folder() + QStringLiteral("/../game/unnamed_25.bin");
    editor->openTeamFile();
    QCOMPARE(m_game->platform.messages.size(), 2);
    QVERIFY(m_game->platform.messages.last().text.contains(QStringLiteral("player editor")));
    QCOMPARE(editor->teamFile(), m_game->teamFile());
    QCOMPARE(editor->session().decompressRuns().state(), CodecRuns::State::Succeeded);
}

void TestSession::writeBacksStopAtTheRosterTable_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("write");
    QTest::addColumn<bool>("written");
    for (const char* write : {"promjena_imena", "Command4", "Command5"}) {
        QTest::addRow("%s on the last record before the table", write) << 6449 << write << true;
        QTest::addRow("%s on the record the table starts in", write) << 6450 << write << false;
        QTest::addRow("%s on the last record", write) << 6664 << write << false;
    }
}

void TestSession::writeBacksStopAtTheRosterTable() {
    QFETCH(int, row);
    QFETCH(QString, write);
    QFETCH(bool, written);
    Form1 window(m_game->platform);
    QVERIFY(openAndLoad(window, *m_game));
    Form1Controls& c = window.controls();
    c.List1->setCurrentRow(row);
    QVERIFY(m_game->platform.messages.isEmpty()); // the entry is shown
    QCOMPARE(c.lblID->text(), c.lists.listaid.items.at(row));
    c.nazivigraca->setText(QStringLiteral("Roster Guard"));
    c.abilityBoxes[0]->setText(QStringLiteral("77"));
    c.face->setText(QStringLiteral("999"));
    const QByteArray before = TestSupport::readFile(m_game->databaseWorkingCopy());
    button(&window, qPrintable(write))->click();
    const QByteArray after = TestSupport::readFile(m_game->databaseWorkingCopy());
    QCOMPARE(after != before, written);
    QCOMPARE(m_game->platform.messages.size(), written ? 0 : 1);
    if (!written)
        QVERIFY(m_game->platform.messages.first().text.contains(QStringLiteral("roster table")));
}

void TestSession::renameWithoutAShortNameKeepsItsBytes() {
    // One more placeholder among the short names leaves the last listed team without one.
    const SampleBuilder::Team& last = SampleBuilder::teams().last();
    const qint64 shortEntry = 1448 + 1244 * qint64(last.shortEntry);
    Form1 window(m_game->platform);
    window.show();
    QVERIFY(openDecompressed(window));
    QVERIFY(WorkingCopy(m_game->teamWorkingCopy()).write(shortEntry, QByteArray("DMY")));
    QVERIFY(loadAndWait(window));
    Form2* editor = window.teamEditor();
    auto* list = editor->findChild<QListWidget*>(QStringLiteral("List1"));
    const int row = list->count() - 1;
    QCOMPARE(editor->shortNames().count(), row);
    list->setCurrentRow(row);
    auto* shortName = editor->findChild<QLineEdit*>(QStringLiteral("nazivigraca_dres"));
    QVERIFY(shortName->text().isEmpty());

    const qint64 n = editor->nameOffsets().items.at(row).toLongLong();
    const QByteArray before = TestSupport::readFile(m_game->teamWorkingCopy());
    editor->findChild<QLineEdit*>(QStringLiteral("nazivigraca"))
        ->setText(QStringLiteral("Renamed"));
    button(editor, "promjena_imena")->click();
    QVERIFY(m_game->platform.messages.isEmpty());
    const QByteArray after = TestSupport::readFile(m_game->teamWorkingCopy());
    QCOMPARE(after.mid(n, 7), QByteArray("Renamed"));
    QCOMPARE(after.mid(n + 1120, 3), before.mid(n + 1120, 3));
}

// File > Open starts two decompress runs of the file. When one of them fails (the disk had room
// for one temporary file only) and the other succeeds, the working copy is complete: Load and SAVE
// go ahead. A compressed result that a killed save left beside the file goes at the next open.
void TestSession::oneFailedTwinRunIsNotTheFilesFailure() {
    const QString path = m_game->path(QStringLiteral("twin codec"));
    const QString marker = m_game->path(QStringLiteral("failed once"));
    const QByteArray codec = TestSupport::builtProgram(QStringLiteral("zlib2.dll")).toUtf8();
    TestSupport::writeFile(path, "#!/bin/sh\nif mkdir '" + marker.toUtf8() +
                                     "' 2>/dev/null; then echo 'No space left on device' >&2; "
                                     "exit 1; fi\nexec '" +
                                     codec + "' \"$@\"\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_game->platform.codec = path;
    const QString stale = WorkingCopy::compressedPathForGameFile(m_game->database());
    QVERIFY(TestSupport::writeFile(stale, "left by a killed save"));

    Form1 window(m_game->platform);
    QVERIFY(openAndLoad(window, *m_game));
    QVERIFY(QFile::exists(marker)); // one run did fail
    QVERIFY(!QFile::exists(stale));
    QCOMPARE(window.session().decompressRuns().state(), CodecRuns::State::Succeeded);
    QCOMPARE(window.controls().List1->count(), 6665);
    window.controls().Command1->click();
    QTRY_COMPARE_WITH_TIMEOUT(m_game->platform.messages.size(), 1, 20000);
    QCOMPARE(m_game->platform.messages.first().text, QStringLiteral("DONE!"));
}

QTEST_MAIN(TestSession)
#include "tst_session.moc"
