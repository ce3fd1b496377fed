// The main window: its controls at start, the Special Options panel, File > Open with the real
// codec, SAVE and its completion, and what happens when the codec fails.
#include "app/form1.h"
#include "common/workingcopy.h"
#include "shell/screenfit.h"
#include "tests/testsupport.h"
#include "tests/windowsupport.h"
#include "tools/samplebuilder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_game.reset(); }

    void startsWithItsControls_data();
    void startsWithItsControls();
    void startsInTheStartedState();
    void placedInsideTheScreen_data();
    void placedInsideTheScreen();
    void windowFitsASmallScreen();
    void specialOptionsPanelKeepsTheBoxes();
    void openDecompressesTheChosenFile();
    void cancelledOpenChangesNothing();
    void saveReplacesTheGameFileOnce();
    void saveBeforeOpenSaysSo();
    void failingCodecLeavesTheGameFileAlone();
    void missingCodecIsReported();
    void titlesNameTheFilesAndTheirUnsavedChanges();
    void databaseOfAnotherFolderAsksForItsTeamFile();
    void teamFileChosenAsTheDatabaseIsNamed();

private:
    void openSample(Form1& window);

    std::unique_ptr<TestSupport::SampleGame> m_game;
};

void TestForm1::init() {
    m_game = std::make_unique<TestSupport::SampleGame>();
    QVERIFY2(m_game->isValid(), qPrintable(m_game->error()));
}

void TestForm1::openSample(Form1& window) {
    QVERIFY(TestSupport::openAndWait(window));
    QCOMPARE(window.session().decompressRuns().state(), CodecRuns::State::Succeeded);
}

void TestForm1::startsWithItsControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("Load") << "Command2"
                          << "Load" << true;
    QTest::newRow("search") << "Command9"
                            << "Search " << true;
    QTest::newRow("save") << "Command1"
                          << "SAVE" << true;
    QTest::newRow("apply changes") << "promjena_imena"
                                   << "Apply Changes" << true;
    QTest::newRow("apply abilities") << "Command4"
                                     << "Apply Abilities" << true;
    QTest::newRow("special options") << "Command6"
                                     << "Special Options" << true;
    QTest::newRow("relink") << "Command5"
                            << "Relink" << true;
    QTest::newRow("move up") << "moveup"
                             << "Move UP" << false;
    QTest::newRow("down") << "movedown"
                          << "Down" << false;
    QTest::newRow("remove") << "removefromteam"
                            << "Remove" << false;
    QTest::newRow("search box") << "trazi_tim"
                                << "Search Player....." << true;
    QTest::newRow("face label") << "lblface"
                                << "Face:  unnamed_" << true;
    QTest::newRow("hair label") << "lblhair"
                                << "Hair: unnamed_" << true;
    QTest::newRow("id caption") << "Label9"
                                << "Player ID:" << true;
    QTest::newRow("reminder") << "Label12"
                              << "When you change some of these values, don't forget to click "
                                 "on Apply Changes!"
                              << true;
    QTest::newRow("X") << "Label16"
                       << "X" << true;
    QTest::newRow("first ability caption") << "Label4_0"
                                           << "Attack" << true;
    QTest::newRow("last ability caption") << "Label4_25"
                                          << "Team Work" << true;
    QTest::newRow("mentality caption") << "Label4_23"
                                       << "Mentality" << true;
    QTest::newRow("GK box") << "Check1"
                            << "GK" << true;
    QTest::newRow("WB box") << "Check5"
                            << "WB" << true;
    QTest::newRow("side box") << "Check13"
                              << "Side" << true;
    QTest::newRow("1-on-1 box") << "Check25"
                                << "1-On-1 Stopper" << true;
    QTest::newRow("penalties box") << "Check27"
                                   << "Penalties" << true;
    QTest::newRow("long throw box") << "Check35"
                                    << "Long Throw" << true;
}

// Finds a control by name and reads its caption, whatever kind of widget it is.
static QString captionOf(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    return QStringLiteral("<unknown kind>");
}

void TestForm1::startsWithItsControls() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    Form1 window(m_game->platform);
    auto* w = window.findChild<QWidget*>(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(captionOf(w), caption);
    QCOMPARE(w->isEnabled(), enabled);
}

void TestForm1::startsInTheStartedState() {
    Form1 window(m_game->platform);
    window.show();
    Form1Controls& c = window.controls();
    QCOMPARE(window.objectName(), QStringLiteral("Form1"));
    QVERIFY(window.windowTitle().startsWith(QStringLiteral("PES 2011 Rosterly v0.1  by Tavor  ")));
    QCOMPARE(c.List1->count(), 0);
    QVERIFY(!c.Frame1->isVisible());
    QVERIFY(!c.framespecial->isVisible());
    QVERIFY(c.Frame3->isVisible());
    QVERIFY(!c.transferplayer->isVisible());
    QVERIFY(!c.transferto->isVisible());
    QVERIFY(!c.timovi_lista->isEnabled());
    QCOMPARE(c.timovi_lista->placeholderText(), QStringLiteral("Team Select...."));
    QVERIFY(c.sat_provjera_broja->isActive());
    QCOMPARE(c.sat_provjera_broja->interval(), 2);
    QVERIFY(!c.sat->isActive());
    QCOMPARE(c.hidden.zbirocjene, QStringLiteral("0"));
    QCOMPARE(c.search.List6.size(), 26);
    QCOMPARE(c.search.List6.first(), QStringLiteral("A"));
    QCOMPARE(c.search.List7.last(), QStringLiteral("z"));
    QCOMPARE(c.position->count(), 12);
    QCOMPARE(c.position->itemText(4), QStringLiteral("WB"));
    QCOMPARE(c.foot->itemText(1), QStringLiteral("Left"));
    // Frame3 hides what the user cannot use yet: SAVE and Apply Changes lie behind it.
    for (QWidget* covered :
         {static_cast<QWidget*>(c.Command1), static_cast<QWidget*>(c.promjena_imena),
          static_cast<QWidget*>(c.frameface)}) {
        const QRect area(covered->mapTo(c.Frame3->parentWidget(), QPoint(0, 0)), covered->size());
        QVERIFY(c.Frame3->geometry().contains(area));
    }
    QCOMPARE(window.findChild<QAction*>(QStringLiteral("mnuTeamEdit"))->text(),
             QStringLiteral("Team Editor"));
    QCOMPARE(window.findChild<QWidget*>(QStringLiteral("client"))->size(), QSize(1027, 628));
}

// Logical sizes: a 1400 x 1000 screen at 150 % has 933 x 666 logical pixels (a task bar takes
// 33), a 1366 x 768 laptop at 125 % 1093 x 582.
void TestForm1::placedInsideTheScreen_data() {
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("placed");
    QTest::newRow("fits, centred")
        << QSize(1043, 690) << QRect(0, 0, 1920, 1050) << QRect(438, 180, 1043, 690);
    QTest::newRow("150 %: narrower than the window")
        << QSize(1043, 690) << QRect(0, 0, 933, 633) << QRect(0, 0, 933, 633);
    QTest::newRow("125 %: lower than the window")
        << QSize(1043, 690) << QRect(0, 0, 1093, 582) << QRect(25, 0, 1043, 582);
    QTest::newRow("second screen to the left, task bar on top")
        << QSize(536, 480) << QRect(-1280, 40, 1280, 984) << QRect(-907, 292, 536, 480);
}

void TestForm1::placedInsideTheScreen() {
    QFETCH(QSize, frame);
    QFETCH(QRect, available);
    QFETCH(QRect, placed);
    QCOMPARE(ScreenFit::place(frame, available), placed);
}

// The offscreen platform's screen is 800 pixels wide: the window fits it with a scroll bar.
void TestForm1::windowFitsASmallScreen() {
    Form1 window(m_game->platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(50);
    const QRect available = window.screen()->availableGeometry();
    QVERIFY2(available.contains(window.frameGeometry()), "the window leaves the screen");
    auto* scroller = window.findChild<QScrollArea*>(QStringLiteral("clientScroller"));
    QVERIFY(scroller);
    QCOMPARE(scroller->horizontalScrollBar()->isVisible(), available.width() < 1027);
    QCOMPARE(scroller->widget()->size(), QSize(1027, 628));
}

void TestForm1::specialOptionsPanelKeepsTheBoxes() {
    Form1 window(m_game->platform);
    window.show();
    Form1Controls& c = window.controls();
    c.Frame1->show();
    c.check(31)->setChecked(true);
    c.Command6->click();
    QVERIFY(c.framespecial->isVisible());
    QVERIFY(c.Command4->isVisible()); // the buttons along the bottom stay reachable
    QTest::mouseClick(c.Label16, Qt::LeftButton);
    QVERIFY(!c.framespecial->isVisible());
    QVERIFY(c.check(31)->isChecked());
}

void TestForm1::openDecompressesTheChosenFile() {
    Form1 window(m_game->platform);
    window.show();
    window.controls().List2->addItem(QStringLiteral("stale row"));
    openSample(window);
    // The first open also creates the team name editor, which asks for the team file.
    QCOMPARE(m_game->platform.askedTitles,
             (QStringList{TestSupport::playerTitle, TestSupport::teamTitle}));
    QCOMPARE(window.session().gameFile(), m_game->database());
    QVERIFY(!window.controls().Frame3->isVisible());
    QCOMPARE(window.controls().List2->count(), 0);
    QCOMPARE(TestSupport::readFile(m_game->databaseWorkingCopy()), SampleBuilder::playerDatabase());
}

void TestForm1::cancelledOpenChangesNothing() {
    m_game->platform.answers[TestSupport::playerTitle] = QString();
    Form1 window(m_game->platform);
    window.show();
    window.controls().List2->addItem(QStringLiteral("kept"));
    window.openDatabase();
    QCOMPARE(window.session().decompressRuns().state(), CodecRuns::State::None);
    QVERIFY(window.session().gameFile().isEmpty());
    QCOMPARE(window.controls().List2->count(), 1);
    QVERIFY(window.controls().Frame3->isVisible());
    QVERIFY(!QFile::exists(m_game->databaseWorkingCopy()));
}

void TestForm1::saveReplacesTheGameFileOnce() {
    Form1 window(m_game->platform);
    openSample(window);
    const QString workingCopy = m_game->databaseWorkingCopy();
    // An edit in the working copy, which the save must carry into the game file.
    WorkingCopy copy(workingCopy);
    QVERIFY(copy.write(82, QByteArrayLiteral("Edited")));
    const QByteArray edited = TestSupport::readFile(workingCopy);

    for (int round = 0; round < 2; ++round) {
        window.controls().Command1->click();
        QVERIFY(window.controls().sat->isActive());
        QVERIFY(m_game->platform.messages.isEmpty()); // nothing before the timer's first tick
        QTRY_COMPARE_WITH_TIMEOUT(m_game->platform.messages.size(), 1, 20000);
        QCOMPARE(m_game->platform.messages.first().text, QStringLiteral("DONE!"));
        QCOMPARE(m_game->platform.messages.first().caption, QStringLiteral("Rosterly"));
        QVERIFY(!m_game->platform.messages.first().warning);
        QVERIFY(!window.controls().sat->isActive());
        QTest::qWait(1300); // a stray second completion would show up here
        QCOMPARE(m_game->platform.messages.size(), 1);
        m_game->platform.messages.clear();

        QVERIFY(QFile::exists(workingCopy));
        QVERIFY(!QFile::exists(WorkingCopy::compressedPathForGameFile(m_game->database())));
        QCOMPARE(TestSupport::runCodec({m_game->database(), QStringLiteral("-d")}), 0);
        QCOMPARE(TestSupport::readFile(workingCopy), edited);
    }
}

void TestForm1::saveBeforeOpenSaysSo() {
    Form1 window(m_game->platform);
    window.controls().Command1->click();
    QCOMPARE(m_game->platform.messages.size(), 1);
    QVERIFY(m_game->platform.messages.first().text.contains(QStringLiteral("File > Open")));
    QVERIFY(!window.controls().sat->isActive());
}

void TestForm1::failingCodecLeavesTheGameFileAlone() {
    Form1 window(m_game->platform);
    openSample(window);
    const QByteArray original = TestSupport::readFile(m_game->database());
    m_game->platform.codec = TestSupport::failingProgram();
    window.controls().Command1->click();
    QTRY_COMPARE_WITH_TIMEOUT(m_game->platform.messages.size(), 1, 20000);
    QVERIFY(m_game->platform.messages.first().text != QStringLiteral("DONE!"));
    QVERIFY(m_game->platform.messages.first().text.contains(QStringLiteral("not changed")));
    QVERIFY(!window.controls().sat->isActive());
    QCOMPARE(TestSupport::readFile(m_game->database()), original);
}

void TestForm1::missingCodecIsReported() {
    m_game->platform.codec = m_game->path(QStringLiteral("no-such-codec"));
    Form1 window(m_game->platform);
    window.openDatabase();
    TestSupport::waitForRuns(window.session().decompressRuns(), 5000);
    QCOMPARE(window.session().decompressRuns().state(), CodecRuns::State::Failed);
    QVERIFY(window.session().decompressRuns().failure().contains(QStringLiteral("missing")));
}

void TestForm1::titlesNameTheFilesAndTheirUnsavedChanges() {
    const QString caption =
        QStringLiteral("PES 2011 Rosterly v0.1  by Tavor  https://rosterly.example.org");
    Form1 window(m_game->platform);
    QCOMPARE(window.windowTitle(), caption);
    QVERIFY(TestSupport::openAndLoad(window, *m_game));
    QCOMPARE(window.windowTitle(), caption + QStringLiteral(" — unnamed_25.bin[*]"));
    QCOMPARE(window.teamEditor()->windowTitle(),
             QStringLiteral("Team Edit PES 2010 DEMO by Tavor — unnamed_32.bin[*]"));
    QVERIFY(!window.isWindowModified());

    Form1Controls& c = window.controls();
    c.List1->setCurrentRow(3);
    c.weight->setText(QStringLiteral("66"));
    c.promjena_imena->click();
    QVERIFY(window.isWindowModified());
    QVERIFY(!window.teamEditor()->isWindowModified());
    QVERIFY(window.session().undo());
    QVERIFY(!window.isWindowModified()); // back to what the game file holds
    QVERIFY(window.session().redo());
    QVERIFY(window.isWindowModified());
    c.Command1->click();
    QTRY_COMPARE_WITH_TIMEOUT(m_game->platform.messages.size(), 1, 20000);
    QCOMPARE(m_game->platform.messages.first().text, QStringLiteral("DONE!"));
    QVERIFY(!window.isWindowModified());

    // A working copy kept with its unsaved changes at the next File > Open is marked at once.
    QVERIFY(window.session().undo());
    m_game->platform.answerYes = false; // keep them
    window.openDatabase();
    QCOMPARE(m_game->platform.questions.size(), 1);
    QVERIFY(window.isWindowModified());
}

// A player database from another game folder asks for that folder's team file; kept back, the
// team file of the first folder stays open, and the window says so.
void TestForm1::databaseOfAnotherFolderAsksForItsTeamFile() {
    TestSupport::SampleGame other(QStringLiteral("other season"));
    QVERIFY2(other.isValid(), qPrintable(other.error()));
    FakePlatform& platform = m_game->platform;
    Form1 window(platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game));
    window.controls().List1->setCurrentRow(3);
    platform.askedTitles.clear();

    platform.answers[TestSupport::playerTitle] = other.database();
    platform.answers[TestSupport::teamTitle] = other.teamFile();
    QVERIFY(TestSupport::openDecompressed(window));
    QCOMPARE(platform.askedTitles, (QStringList{TestSupport::playerTitle, TestSupport::teamTitle}));
    QCOMPARE(window.teamEditor()->teamFile(), other.teamFile());
    QVERIFY(platform.messages.isEmpty());
    // Nothing of the player shown before stays in the panel.
    QVERIFY(window.controls().nazivigraca->text().isEmpty());
    QVERIFY(window.controls().abilityBoxes[0]->text().isEmpty());
    QVERIFY(window.controls().lblID->text().isEmpty());

    platform.askedTitles.clear();
    platform.answers[TestSupport::playerTitle] = m_game->database();
    platform.answers[TestSupport::teamTitle] = QString(); // cancelled
    QVERIFY(TestSupport::openDecompressed(window));
    QCOMPARE(platform.askedTitles, (QStringList{TestSupport::playerTitle, TestSupport::teamTitle}));
    QCOMPARE(window.teamEditor()->teamFile(), other.teamFile());
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY2(platform.messages.first().text.startsWith(
                 QStringLiteral("The team file %1 stays open in the team name editor")
                     .arg(QDir::toNativeSeparators(other.teamFile()))),
             qPrintable(platform.messages.first().text));

    // Another database of the same folder asks for nothing more.
    platform.askedTitles.clear();
    platform.answers[TestSupport::playerTitle] = other.database();
    QVERIFY(TestSupport::openDecompressed(window));
    QCOMPARE(platform.askedTitles, QStringList{TestSupport::playerTitle});
}

void TestForm1::teamFileChosenAsTheDatabaseIsNamed() {
    m_game->platform.answers[TestSupport::playerTitle] = m_game->teamFile();
    m_game->platform.answers[TestSupport::teamTitle] = QString();
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openDecompressed(window));
    QVERIFY(!window.load());
    QCOMPARE(m_game->platform.messages.size(), 1);
    const FakePlatform::Message& said = m_game->platform.messages.first();
    QCOMPARE(said.text, QStringLiteral("The working copy of %1 is 280000 bytes, a player database "
                                       "holds at least 1519652: it looks like a team file. Choose "
                                       "the player database (unnamed_25.bin) with File > Open.")
                            .arg(QDir::toNativeSeparators(m_game->teamFile())));
    QVERIFY(said.warning);
    QCOMPARE(window.controls().List1->count(), 0);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
