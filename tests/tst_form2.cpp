// The team name editor: opening and loading the team file, selection, renaming, search, SAVE,
// and its life beside the main window.
#include "app/form1.h"
#include "common/workingcopy.h"
#include "shell/gamefilesession.h"
#include "teamnames/form2.h"
#include "teamnames/teamnametable.h"
#include "tests/testsupport.h"
#include "tools/samplebuilder.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace TeamNameLayout;

class TestForm2 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowLoadAsksForTheTeamFile();
    void loadListsTheTeams();
    void loadTwiceGivesTheSameLists();
    void loadRefusesAShortWorkingCopy();
    void loadReportsAFailedDecompress();
    void selectingShowsNameAndShortName();
    void selectionPastTheShortNamesShowsNone();
    void renameWritesTheWorkingCopyAndTheList();
    void renameIsRefusedWithoutSelectionOrBeforeLoad();
    void searchMatchesWholeNamesInTheFirstPositions_data();
    void searchMatchesWholeNamesInTheFirstPositions();
    void searchBoxEmptiesOnClick();
    void renameSurvivesSaveAndReopen();
    void mainWindowOpenAsksOnlyOnce();
    void closeBoxDestroysAndNextUseAsksAgain();
    void closingTheMainWindowClosesBoth();
    void cancelledTeamFileIsAskedForAgain();
    void closingDuringASaveIsRefused();

private:
    Form2* loadedEditor();
    // Load, and the wait for the codec tool when it is still decompressing.
    static bool pressLoadAndWait(Form2& editor);
    QLineEdit* edit(Form2* w, const char* name) {
        return w->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QListWidget* list(Form2* w) { return w->findChild<QListWidget*>(QStringLiteral("List1")); }
    QPushButton* button(QWidget* w, const char* name) {
        return w->findChild<QPushButton*>(QString::fromLatin1(name));
    }

    std::unique_ptr<TestSupport::SampleGame> m_game;
    std::unique_ptr<Form2> m_editor;
};

void TestForm2::init() {
    m_game = std::make_unique<TestSupport::SampleGame>();
    QVERIFY2(m_game->isValid(), qPrintable(m_game->error()));
}

void TestForm2::cleanup() {
    m_editor.reset();
    m_game.reset();
}

Form2* TestForm2::loadedEditor() {
    m_editor = std::make_unique<Form2>(m_game->platform);
    m_editor->setAttribute(Qt::WA_DeleteOnClose, false); // owned by the test
    m_editor->windowLoad();
    if (!pressLoadAndWait(*m_editor))
        return nullptr;
    return m_editor.get();
}

bool TestForm2::pressLoadAndWait(Form2& editor) {
    QSignalSpy finished(&editor, &Form2::loadFinished);
    editor.pressLoad();
    return (!finished.isEmpty() || finished.wait(30000)) && finished.first().at(0).toBool();
}

void TestForm2::windowLoadAsksForTheTeamFile() {
    Form2 editor(m_game->platform);
    QCOMPARE(editor.windowTitle(), QStringLiteral("Team Edit PES 2010 DEMO by Tavor"));
    QVERIFY(!button(&editor, "Command2")->isEnabled());
    editor.windowLoad();
    QCOMPARE(m_game->platform.askedTitles, QStringList{TestSupport::teamTitle});
    QVERIFY(button(&editor, "Command2")->isEnabled());
    QVERIFY(TestSupport::waitForRuns(editor.session().decompressRuns(), 30000));
    QCOMPARE(TestSupport::readFile(m_game->teamWorkingCopy()), SampleBuilder::teamFile());
}

void TestForm2::loadListsTheTeams() {
    Form2* editor = loadedEditor();
    QVERIFY(editor);
    const TeamNameLists expected = TeamNameTable::decode(SampleBuilder::teamFile());
    QCOMPARE(editor->teamNames(), expected.names);
    QCOMPARE(editor->teamIds(), expected.teamIds);
    QCOMPARE(editor->nameOffsets().items, expected.nameOffsets);
    QCOMPARE(editor->shortNames().items, expected.shortNames);
    QVERIFY(editor->teamNames().size() < longNameCount); // the sample has placeholders
    auto* bar = editor->findChild<QProgressBar*>(QStringLiteral("puni"));
    QCOMPARE(bar->value(), 200);
    QCOMPARE(bar->maximum(), 201);
    QCOMPARE(list(editor)->currentRow(), -1);
}

void TestForm2::loadTwiceGivesTheSameLists() {
    Form2* editor = loadedEditor();
    QVERIFY(editor);
    const QStringList names = editor->teamNames();
    const QStringList ids = editor->teamIds();
    button(editor, "Command2")->click();
    QCOMPARE(editor->teamNames(), names);
    QCOMPARE(editor->teamIds(), ids);
    QCOMPARE(editor->shortNames().count(), ids.size());
}

void TestForm2::loadRefusesAShortWorkingCopy() {
    Form2* editor = loadedEditor();
    QVERIFY(editor);
    const QStringList names = editor->teamNames();
    const QString workingCopy = m_game->teamWorkingCopy();
    QVERIFY(
        TestSupport::writeFile(workingCopy, SampleBuilder::teamFile().left(longNamePassEnd - 1)));
    QVERIFY(!editor->pressLoad());
    QCOMPARE(m_game->platform.messages.size(), 1);
    QVERIFY(m_game->platform.messages.first().text.contains(QStringLiteral("too short")));
    QCOMPARE(editor->teamNames(), names);

    QFile::remove(workingCopy);
    QVERIFY(!editor->pressLoad());
    QVERIFY(!QFile::exists(workingCopy)); // never created by a read
}

void TestForm2::loadReportsAFailedDecompress() {
    m_game->platform.codec = TestSupport::failingProgram();
    Form2 editor(m_game->platform);
    editor.windowLoad();
    QVERIFY(!pressLoadAndWait(editor));
    QCOMPARE(m_game->platform.messages.size(), 1);
    QVERIFY(m_game->platform.messages.first().text.contains(QStringLiteral("failed")));
    QVERIFY(editor.teamNames().isEmpty());
}

void TestForm2::selectingShowsNameAndShortName() {
    Form2* editor = loadedEditor();
    QVERIFY(editor);
    list(editor)->setCurrentRow(2);
    QCOMPARE(edit(editor, "nazivigraca")->text(), editor->teamNames().at(2));
    QCOMPARE(edit(editor, "nazivigraca_dres")->text(), editor->shortNames().items.at(2));
    QCOMPARE(editor->nameOffsets().current, 2);
    QCOMPARE(editor->teamIdList().current, 2);
}

void TestForm2::selectionPastTheShortNamesShowsNone() {
    // Three placeholder short names: the last listed names have no short name to pair with.
    QByteArray file = SampleBuilder::teamFile();
    for (int m = 0; m < shortNameCount; ++m)
        if (m % 2 == 0)
            file.replace(shortNameOffset(m), 3, "DMY");
    Form2 editor(m_game->platform);
    editor.windowLoad();
    QVERIFY(TestSupport::waitForRuns(editor.session().decompressRuns(), 30000));
    QVERIFY(TestSupport::writeFile(m_game->teamWorkingCopy(), file));
    QVERIFY(editor.pressLoad());
    QVERIFY(editor.shortNames().count() < editor.teamNames().size());
    list(&editor)->setCurrentRow(editor.teamNames().size() - 1);
    QCOMPARE(edit(&editor, "nazivigraca_dres")->text(), QString());
    QCOMPARE(edit(&editor, "nazivigraca")->text(), editor.teamNames().last());
}

void TestForm2::renameWritesTheWorkingCopyAndTheList() {
    Form2* editor = loadedEditor();
    QVERIFY(editor);
    list(editor)->setCurrentRow(1);
    const qint64 n = editor->nameOffsets().text().toLongLong();
    const QString workingCopy = m_game->teamWorkingCopy();
    const QByteArray before = TestSupport::readFile(workingCopy);
    edit(editor, "nazivigraca")->setText(QStringLiteral("Renamed FC"));
    edit(editor, "nazivigraca_dres")->setText(QStringLiteral("RFC"));
    button(editor, "promjena_imena")->click();
    QVERIFY(m_game->platform.messages.isEmpty());
    QCOMPARE(list(editor)->item(1)->text(), QStringLiteral("Renamed FC"));
    QCOMPARE(editor->shortNames().items.at(1), QStringLiteral("RFC"));

    const QByteArray after = TestSupport::readFile(workingCopy);
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.mid(n, 11), QByteArray("Renamed FC\0", 11));
    QCOMPARE(after.mid(n + 5 * nameSlotWidth, nameSlotWidth),
             before.mid(n + 5 * nameSlotWidth, nameSlotWidth));
    QCOMPARE(after.mid(n + renamedShortName, 3), QByteArray("RFC"));
    // The list shows the short name from the second short-name entry, which gets it too.
    const qint64 shortEntry = 1448 + 1244;
    QCOMPARE(after.mid(shortEntry, 3), QByteArray("RFC"));
    // Bytes outside the entry's renamed slots stay as they were.
    QCOMPARE(after.left(n), before.left(n));
    QCOMPARE(after.mid(n + renamedShortName + 3, shortEntry - n - renamedShortName - 3),
             before.mid(n + renamedShortName + 3, shortEntry - n - renamedShortName - 3));
    QCOMPARE(after.mid(shortEntry + 3), before.mid(shortEntry + 3));
    // Listed again from the file, the team shows its new short name.
    QVERIFY(editor->loadNow());
    QCOMPARE(editor->shortNames().items.at(1), QStringLiteral("RFC"));
}

void TestForm2::renameIsRefusedWithoutSelectionOrBeforeLoad() {
    Form2* editor = loadedEditor();
    QVERIFY(editor);
    const QString workingCopy = m_game->teamWorkingCopy();
    const QByteArray before = TestSupport::readFile(workingCopy);
    edit(editor, "nazivigraca")->setText(QStringLiteral("Nobody"));
    button(editor, "promjena_imena")->click(); // no team selected
    QCOMPARE(m_game->platform.messages.size(), 1);

    list(editor)->setCurrentRow(0);
    m_game->platform.answers[QStringLiteral("Select unnamed_11.bin:")] = m_game->teamFile();
    editor->openTeamFile();
    QVERIFY(TestSupport::waitForRuns(editor->session().decompressRuns(), 30000));
    edit(editor, "nazivigraca")->setText(QStringLiteral("Too early"));
    button(editor, "promjena_imena")->click();
    QCOMPARE(m_game->platform.messages.size(), 2);
    QVERIFY(m_game->platform.messages.last().text.contains(QStringLiteral("Load")));
    QCOMPARE(TestSupport::readFile(workingCopy), before);
}

void TestForm2::searchMatchesWholeNamesInTheFirstPositions_data() {
    QTest::addColumn<int>("listedAt");
    QTest::addColumn<QString>("transform");
    QTest::addColumn<int>("selected");
    QTest::newRow("exact, near the top") << 3 << "same" << 3;
    QTest::newRow("exact, last searched position") << 156 << "same" << 156;
    QTest::newRow("beyond the searched positions") << 160 << "same" << -1;
    QTest::newRow("other letter case") << 3 << "upper" << -1;
    QTest::newRow("part of the name") << 3 << "part" << -1;
}

void TestForm2::searchMatchesWholeNamesInTheFirstPositions() {
    QFETCH(int, listedAt);
    QFETCH(QString, transform);
    QFETCH(int, selected);
    Form2* editor = loadedEditor();
    QVERIFY(editor);
    QVERIFY(editor->teamNames().size() > listedAt);
    QString text = editor->teamNames().at(listedAt);
    if (transform == QLatin1String("upper"))
        text = text.toUpper() == text ? text.toLower() : text.toUpper();
    else if (transform == QLatin1String("part"))
        text.chop(1);
    edit(editor, "trazi_tim")->setText(text);
    button(editor, "Command9")->click();
    QCOMPARE(list(editor)->currentRow(), selected);
    if (selected >= 0)
        QCOMPARE(edit(editor, "nazivigraca")->text(), text);
}

void TestForm2::searchBoxEmptiesOnClick() {
    Form2 editor(m_game->platform);
    QLineEdit* box = edit(&editor, "trazi_tim");
    QCOMPARE(box->text(), QStringLiteral("Search Team....."));
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(box->text(), QString());
    QTest::keyClicks(box, QStringLiteral("Arsenal"));
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(box->text(), QString());
}

void TestForm2::renameSurvivesSaveAndReopen() {
    Form2* editor = loadedEditor();
    QVERIFY(editor);
    list(editor)->setCurrentRow(0);
    edit(editor, "nazivigraca")->setText(QStringLiteral("Saved Name"));
    button(editor, "promjena_imena")->click();
    button(editor, "Command1")->click();
    QTRY_COMPARE_WITH_TIMEOUT(m_game->platform.messages.size(), 1, 20000);
    QCOMPARE(m_game->platform.messages.first().text, QStringLiteral("DONE!"));
    QVERIFY(!QFile::exists(WorkingCopy::compressedPathForGameFile(m_game->teamFile())));

    QFile::remove(m_game->teamWorkingCopy());
    Form2 reopened(m_game->platform);
    reopened.windowLoad();
    QVERIFY(pressLoadAndWait(reopened));
    QCOMPARE(reopened.teamNames().first(), QStringLiteral("Saved Name"));
}

void TestForm2::mainWindowOpenAsksOnlyOnce() {
    Form1 window(m_game->platform);
    window.openDatabase();
    QVERIFY(window.teamEditor());
    QVERIFY(!window.teamEditor()->isVisible());
    window.openDatabase();
    QCOMPARE(
        m_game->platform.askedTitles,
        (QStringList{TestSupport::playerTitle, TestSupport::teamTitle, TestSupport::playerTitle}));
    window.findChild<QAction*>(QStringLiteral("mnuTeamEdit"))->trigger();
    QVERIFY(window.teamEditor()->isVisible());
    QCOMPARE(m_game->platform.askedTitles.size(), 3);
}

void TestForm2::closeBoxDestroysAndNextUseAsksAgain() {
    Form1 window(m_game->platform);
    window.showTeamEditor();
    QPointer<Form2> first = window.teamEditor();
    QVERIFY(first && first->isVisible());
    QCOMPARE(m_game->platform.askedTitles.size(), 1);
    first->close();
    QTRY_VERIFY(first.isNull());
    QVERIFY(!window.teamEditor());
    window.showTeamEditor();
    QVERIFY(window.teamEditor());
    QCOMPARE(m_game->platform.askedTitles.size(), 2);
}

void TestForm2::closingTheMainWindowClosesBoth() {
    Form1 window(m_game->platform);
    window.show();
    window.showTeamEditor();
    QPointer<Form2> editor = window.teamEditor();
    window.close();
    QTRY_VERIFY(editor.isNull());
}

void TestForm2::cancelledTeamFileIsAskedForAgain() {
    const QString teamFile = m_game->platform.answers.value(TestSupport::teamTitle);
    m_game->platform.answers[TestSupport::teamTitle] = QString();
    Form1 window(m_game->platform);
    window.openDatabase();
    QVERIFY(window.teamEditor()->teamFile().isEmpty());
    // The editor's own File > Open offers another file name, so the main window asks again.
    m_game->platform.answers[TestSupport::teamTitle] = teamFile;
    window.openDatabase();
    QCOMPARE(m_game->platform.askedTitles.count(TestSupport::teamTitle), 2);
    QCOMPARE(window.teamEditor()->teamFile(), teamFile);
}

void TestForm2::closingDuringASaveIsRefused() {
    Form2* editor = loadedEditor();
    QVERIFY(editor);
    editor->show();
    button(editor, "Command1")->click(); // SAVE: the timer completes it a second later
    QVERIFY(!editor->close());
    QCOMPARE(m_game->platform.messages.size(), 1);
    QVERIFY(m_game->platform.messages.first().text.contains(QStringLiteral("save is in progress")));
    QTRY_COMPARE_WITH_TIMEOUT(m_game->platform.messages.size(), 2, 20000);
    QCOMPARE(m_game->platform.messages.last().text, QStringLiteral("DONE!"));
    QVERIFY(editor->close());
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
