// Nothing the user did is lost: every kind of write undone and redone through the Edit menus,
// the refusals of a step that cannot be taken back, and the question File > Open asks before it
// decompresses over a working copy with changes not yet saved.
#include "app/form1.h"
#include "player/playerrecord.h"
#include "tests/testsupport.h"
#include "tests/windowsupport.h"
#include "tools/samplebuilder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtEndian>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

constexpr int player = 500;

QAction* action(QWidget* window, const char* name) {
    return window->findChild<QAction*>(QString::fromLatin1(name));
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_game.reset(); }

    void everyWriteIsUndoneAndRedone_data();
    void everyWriteIsUndoneAndRedone();
    void stepThatCannotBeTakenBackIsRefused_data();
    void stepThatCannotBeTakenBackIsRefused();
    void openingAnotherFileEndsTheHistory();
    void openAsksBeforeDiscardingChanges_data();
    void openAsksBeforeDiscardingChanges();

private:
    // Opens and loads the sample in the window, with the team editor, and selects the player.
    bool loaded(Form1& window);
    QByteArray database() const { return TestSupport::readFile(m_game->databaseWorkingCopy()); }
    QByteArray teams() const { return TestSupport::readFile(m_game->teamWorkingCopy()); }
    void renameTeam(Form2& editor, const QString& name);

    std::unique_ptr<TestSupport::SampleGame> m_game;
};

void TestHistory::init() {
    m_game = std::make_unique<TestSupport::SampleGame>();
    QVERIFY2(m_game->isValid(), qPrintable(m_game->error()));
}

bool TestHistory::loaded(Form1& window) {
    if (!TestSupport::openAndLoad(window, *m_game))
        return false;
    window.controls().List1->setCurrentRow(player);
    return true;
}

void TestHistory::renameTeam(Form2& editor, const QString& name) {
    editor.findChild<QListWidget*>(QStringLiteral("List1"))->setCurrentRow(0);
    editor.findChild<QLineEdit*>(QStringLiteral("nazivigraca"))->setText(name);
    editor.findChild<QPushButton*>(QStringLiteral("promjena_imena"))->click();
}

void TestHistory::everyWriteIsUndoneAndRedone_data() {
    QTest::addColumn<QString>("write");
    QTest::addColumn<bool>("inTeamFile");
    QTest::addColumn<QString>("undoText");
    const QString name = SampleBuilder::playerName(player);
    QTest::newRow("Apply Changes") << "changes" << false << "Undo Apply Changes: Undone Name";
    QTest::newRow("Apply Abilities") << "abilities" << false << "Undo Apply Abilities: " + name;
    QTest::newRow("Relink") << "relink" << false << "Undo Relink: " + name;
    QTest::newRow("players.csv") << "players.csv" << false << "Undo Import players.csv (1 record)";
    QTest::newRow("Change name") << "rename" << true << "Undo Change name: Renamed FC";
    QTest::newRow("teams.csv") << "teams.csv" << true << "Undo Import teams.csv (1 record)";
}

void TestHistory::everyWriteIsUndoneAndRedone() {
    QFETCH(QString, write);
    QFETCH(bool, inTeamFile);
    QFETCH(QString, undoText);
    Form1 window(m_game->platform);
    QVERIFY(loaded(window));
    Form1Controls& c = window.controls();
    Form2* editor = window.teamEditor();
    QVERIFY(editor);
    const auto bytes = [&] { return inTeamFile ? teams() : database(); };
    const QByteArray before = bytes();
    const qint32 id =
        qFromLittleEndian<qint32>(before.constData() + PlayerLayout::recordStart(player));

    const auto importSheet = [&](const QString& fileName, const QByteArray& csv) {
        const QString path = m_game->path(fileName);
        QVERIFY(TestSupport::writeFile(path, csv));
        m_game->platform.answers[QStringLiteral("Import Sheet")] = path;
        c.mnuImportCsv->trigger();
    };
    if (write == QLatin1String("changes")) {
        c.nazivigraca->setText(QStringLiteral("Undone Name"));
        c.promjena_imena->click();
    } else if (write == QLatin1String("abilities")) {
        c.abilityBoxes[0]->setText(QStringLiteral("97"));
        c.Command4->click();
    } else if (write == QLatin1String("relink")) {
        c.face->setText(QStringLiteral("900"));
        c.Command5->click();
    } else if (write == QLatin1String("players.csv")) {
        importSheet(write,
                    QStringLiteral("index,id,age\r\n%1,%2,40\r\n").arg(player).arg(id).toUtf8());
    } else if (write == QLatin1String("rename")) {
        renameTeam(*editor, QStringLiteral("Renamed FC"));
    } else {
        importSheet(write, "position,name\r\n0,Renamed FC\r\n");
    }
    QWidget* historyWindow = inTeamFile ? static_cast<QWidget*>(editor) : &window;
    QVERIFY2(m_game->platform.messages.isEmpty(),
             qPrintable(m_game->platform.messages.value(0).text));
    const QByteArray after = bytes();
    QVERIFY(after != before);
    QAction* undo = action(historyWindow, "mnuUndo");
    QAction* redo = action(historyWindow, "mnuRedo");
    QVERIFY(undo && redo && historyWindow->findChild<QMenu*>(QStringLiteral("mnuEdit")));
    QCOMPARE(undo->text(), undoText);
    QVERIFY(undo->isEnabled() && !redo->isEnabled());

    undo->trigger();
    QCOMPARE(bytes(), before);
    QCOMPARE(redo->text(), QStringLiteral("Redo") + undoText.mid(4));
    QVERIFY(!undo->isEnabled());
    if (!inTeamFile && !write.endsWith(QLatin1String(".csv"))) {
        // The player touched is shown again, as the record now holds him; an import lists the
        // whole file again instead.
        QCOMPARE(c.List1->currentRow(), player);
        QCOMPARE(c.List1->item(player)->text(), SampleBuilder::playerName(player));
        QCOMPARE(c.nazivigraca->text(), SampleBuilder::playerName(player));
    }
    redo->trigger();
    QCOMPARE(bytes(), after);
    if (write == QLatin1String("changes"))
        QCOMPARE(c.List1->item(player)->text(), QStringLiteral("Undone Name"));
    if (write == QLatin1String("rename"))
        QCOMPARE(editor->teamNames().value(0), QStringLiteral("Renamed FC"));
    QVERIFY(m_game->platform.messages.isEmpty());
}

void TestHistory::stepThatCannotBeTakenBackIsRefused_data() {
    QTest::addColumn<bool>("duringSave");
    QTest::addColumn<QString>("message");
    QTest::newRow("during a save")
        << true << "A save is in progress. Undo again when it has finished.";
    QTest::newRow("changed underneath") << false << "no longer holds what that step left there";
}

void TestHistory::stepThatCannotBeTakenBackIsRefused() {
    QFETCH(bool, duringSave);
    QFETCH(QString, message);
    Form1 window(m_game->platform);
    QVERIFY(loaded(window));
    Form1Controls& c = window.controls();
    c.abilityBoxes[0]->setText(QStringLiteral("97"));
    c.Command4->click();
    const qint64 attack = PlayerLayout::nameOffset(player) + PlayerLayout::abilityBlock;
    if (duringSave) {
        c.Command1->click();
    } else {
        WorkingCopy copy(m_game->databaseWorkingCopy());
        QVERIFY(copy.write(attack, QByteArray(1, char(33))));
    }
    const QByteArray held = database();
    QVERIFY(!window.session().undo());
    QCOMPARE(database(), held);
    QVERIFY(!m_game->platform.messages.isEmpty());
    QVERIFY2(m_game->platform.messages.first().text.contains(message),
             qPrintable(m_game->platform.messages.first().text));
    QVERIFY(action(&window, "mnuUndo")->isEnabled()); // the step is still there to undo
    if (duringSave)
        QTRY_COMPARE_WITH_TIMEOUT(m_game->platform.messages.last().text, QStringLiteral("DONE!"),
                                  20000);
}

void TestHistory::openingAnotherFileEndsTheHistory() {
    const QString otherFolder = m_game->path(QStringLiteral("other"));
    QVERIFY(QDir().mkpath(otherFolder));
    const QString other = QDir(otherFolder).filePath(QStringLiteral("unnamed_25.bin"));
    QVERIFY(QFile::copy(m_game->database(), other));
    Form1 window(m_game->platform);
    QVERIFY(loaded(window));
    window.controls().abilityBoxes[0]->setText(QStringLiteral("97"));
    window.controls().Command4->click();
    QVERIFY(action(&window, "mnuUndo")->isEnabled());

    m_game->platform.answers[TestSupport::playerTitle] = other;
    QVERIFY(TestSupport::openAndWait(window));
    QVERIFY(!action(&window, "mnuUndo")->isEnabled());
    QCOMPARE(action(&window, "mnuUndo")->text(), QStringLiteral("Undo"));
    QVERIFY(!window.session().undo());
    QVERIFY(m_game->platform.questions.isEmpty()); // the other file has no working copy yet
}

void TestHistory::openAsksBeforeDiscardingChanges_data() {
    QTest::addColumn<bool>("teamFile");
    QTest::addColumn<bool>("earlierRun"); // the change was left by a window closed since
    QTest::addColumn<bool>("edited");
    QTest::addColumn<bool>("discard");
    QTest::newRow("this run, discarded") << false << false << true << true;
    QTest::newRow("this run, kept") << false << false << true << false;
    QTest::newRow("earlier run, kept") << false << true << true << false;
    QTest::newRow("no change: no question") << false << false << false << true;
    QTest::newRow("team file, kept") << true << false << true << false;
    QTest::newRow("team file, discarded") << true << true << true << true;
}

void TestHistory::openAsksBeforeDiscardingChanges() {
    QFETCH(bool, teamFile);
    QFETCH(bool, earlierRun);
    QFETCH(bool, edited);
    QFETCH(bool, discard);
    const QString teamOpenTitle = QStringLiteral("Select unnamed_11.bin:");
    m_game->platform.answers[teamOpenTitle] = m_game->teamFile();
    const auto makeEdit = [&](Form1& window) {
        if (teamFile) {
            renameTeam(*window.teamEditor(), QStringLiteral("Renamed FC"));
        } else {
            window.controls().age->setText(QStringLiteral("22"));
            window.controls().promjena_imena->click();
        }
    };
    auto window = std::make_unique<Form1>(m_game->platform);
    QVERIFY(loaded(*window));
    if (edited)
        makeEdit(*window);
    QVERIFY(m_game->platform.messages.isEmpty());
    const QByteArray editedBytes = teamFile ? teams() : database();
    if (earlierRun) {
        window.reset();
        window = std::make_unique<Form1>(m_game->platform);
    }
    m_game->platform.answerYes = discard;
    m_game->platform.questions.clear();

    Form2* editor = nullptr;
    if (teamFile && !earlierRun) {
        editor = window->teamEditor();
        editor->openTeamFile();
    } else {
        window->openDatabase(); // in a new window this also asks for the team file
        editor = window->teamEditor();
    }
    QVERIFY(TestSupport::waitForDecompress(*window));
    const QString question =
        teamFile ? QStringLiteral("The working copy of %1 holds changes that are not saved into "
                                  "the game file (")
                       .arg(QDir::toNativeSeparators(m_game->teamFile()))
                 : QStringLiteral("The working copy of %1 holds changes that are not saved into "
                                  "the game file (1 record differs). Discard them and "
                                  "decompress the game file again?")
                       .arg(QDir::toNativeSeparators(m_game->database()));
    QCOMPARE(m_game->platform.questions.size(), edited ? 1 : 0);
    if (edited)
        QVERIFY2(m_game->platform.questions.first().startsWith(question),
                 qPrintable(m_game->platform.questions.first()));
    const bool kept = edited && !discard;
    const QByteArray now = teamFile ? teams() : database();
    const QByteArray saved = teamFile ? SampleBuilder::teamFile() : SampleBuilder::playerDatabase();
    QCOMPARE(now, kept ? editedBytes : saved);
    const GameFileSession& session = teamFile ? editor->session() : window->session();
    QCOMPARE(session.decompressRuns().state() == CodecRuns::State::None, kept);

    // Load lists what the working copy holds, kept or decompressed again.
    QVERIFY(window->load());
    if (teamFile) {
        QCOMPARE(editor->teamNames().value(0) == QStringLiteral("Renamed FC"), kept);
    } else {
        window->controls().List1->setCurrentRow(player);
        QCOMPARE(window->controls().age->text() == QStringLiteral("22"), kept);
    }
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
