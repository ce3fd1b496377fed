// Bad input and failures around the game files: a codec that is missing, cannot start, fails,
// crashes halfway, is slow or writes garbage; game files that are not containers; working copies
// that vanish or shrink while editing. Each ends in a clear message, and a game file changes only
// through a save that completed.
#include "app/form1.h"
#include "common/workingcopy.h"
#include "player/playerrecord.h"
#include "tests/testsupport.h"
#include "tests/windowsupport.h"
#include "tools/samplebuilder.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

#include <unistd.h>

class TestFaults : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_game.reset(); }

    void saveWithBrokenCodec_data();
    void saveWithBrokenCodec();
    void slowCodecCompletesOnceAtALaterTick();
    void gameFileThatCannotBeReplaced();
    void gameFileThatIsNoContainer_data();
    void gameFileThatIsNoContainer();
    void workingCopyGoneOrShrunkWhileEditing_data();
    void workingCopyGoneOrShrunkWhileEditing();
    void emptyWorkingCopyIsRefusedByLoad();
    void saveRefusesAnOldOrShortWorkingCopy_data();
    void saveRefusesAnOldOrShortWorkingCopy();
    void unreadableRecordSelectsNobody();

private:
    QString script(const QString& name, const QByteArray& body);

    // The game folder is a subfolder, so that the programs and files the cases make lie beside it.
    std::unique_ptr<TestSupport::SampleGame> m_game;
};

void TestFaults::init() {
    m_game = std::make_unique<TestSupport::SampleGame>(QStringLiteral("game"));
    QVERIFY2(m_game->isValid(), qPrintable(m_game->error()));
}

QString TestFaults::script(const QString& name, const QByteArray& body) {
    const QString path = m_game->path(name);
    TestSupport::writeFile(path, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

void TestFaults::saveWithBrokenCodec_data() {
    QTest::addColumn<QString>("codecKind");
    QTest::addColumn<QString>("said");
    QTest::newRow("missing") << "missing"
                             << "missing";
    QTest::newRow("not executable") << "not executable"
                                    << "could not be started";
    QTest::newRow("exits with an error") << "fails"
                                         << "it went wrong";
    QTest::newRow("killed halfway") << "killed"
                                    << "stopped unexpectedly";
    QTest::newRow("writes garbage") << "garbage"
                                    << "damaged";
}

void TestFaults::saveWithBrokenCodec() {
    QFETCH(QString, codecKind);
    QFETCH(QString, said);
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game));
    window.controls().List1->setCurrentRow(3);
    window.controls().nazivigraca->setText(QStringLiteral("Unsaved"));
    window.controls().promjena_imena->click();
    const QByteArray original = TestSupport::readFile(m_game->database());

    const QString compressed = WorkingCopy::compressedPathForGameFile(m_game->database());
    if (codecKind == QLatin1String("missing")) {
        m_game->platform.codec = m_game->path(QStringLiteral("no-codec-here"));
    } else if (codecKind == QLatin1String("not executable")) {
        m_game->platform.codec = m_game->path(QStringLiteral("plain-file"));
        TestSupport::writeFile(m_game->platform.codec, "not a program");
    } else if (codecKind == QLatin1String("fails")) {
        m_game->platform.codec =
            script(QStringLiteral("failing"), "echo 'it went wrong' >&2\nexit 1");
    } else if (codecKind == QLatin1String("killed")) {
        // Half a result, then the process dies.
        m_game->platform.codec =
            script(QStringLiteral("killed"), "head -c 1000 \"$1\" > \"$1.zlib\"\nkill -9 $$");
    } else {
        m_game->platform.codec =
            script(QStringLiteral("garbage"), "head -c 5000 /dev/urandom > \"$1.zlib\"");
    }
    window.controls().Command1->click();
    QTRY_COMPARE_WITH_TIMEOUT(m_game->platform.messages.size(), 1, 20000);
    const QString text = m_game->platform.messages.first().text;
    QVERIFY2(text.contains(said), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("not changed")));
    QVERIFY(!window.controls().sat->isActive());
    QCOMPARE(TestSupport::readFile(m_game->database()), original);
    QVERIFY(!QFile::exists(compressed));
    QTest::qWait(1200);
    QCOMPARE(m_game->platform.messages.size(), 1); // no late "DONE!"
}

void TestFaults::slowCodecCompletesOnceAtALaterTick() {
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game));
    m_game->platform.codec =
        script(QStringLiteral("slow"),
               "sleep 2\nexec '" + TestSupport::builtProgram(QStringLiteral("zlib2.dll")).toUtf8() +
                   "' \"$@\"");
    window.controls().Command1->click();
    QTest::qWait(1500); // past the first tick, with the codec still running
    QVERIFY(m_game->platform.messages.isEmpty());
    QVERIFY(window.controls().sat->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(m_game->platform.messages.size(), 1, 20000);
    QCOMPARE(m_game->platform.messages.first().text, QStringLiteral("DONE!"));
    QTest::qWait(1200);
    QCOMPARE(m_game->platform.messages.size(), 1);
}

void TestFaults::gameFileThatCannotBeReplaced() {
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game));
    // A folder where the game file was: the save cannot put a file there.
    QVERIFY(QFile::remove(m_game->database()));
    QVERIFY(QDir().mkdir(m_game->database()));
    window.controls().Command1->click();
    QTRY_COMPARE_WITH_TIMEOUT(m_game->platform.messages.size(), 1, 20000);
    QVERIFY(
        m_game->platform.messages.first().text.contains(QStringLiteral("could not be replaced")));
    QVERIFY(QFileInfo(m_game->database()).isDir());

    if (::geteuid() == 0)
        QSKIP("a read-only folder does not stop the superuser");
    QVERIFY(QDir(m_game->database()).removeRecursively());
    QVERIFY(TestSupport::writeFile(m_game->database(), "original"));
    const QString folder = QFileInfo(m_game->database()).absolutePath();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    window.controls().Command1->click();
    QTRY_COMPARE_WITH_TIMEOUT(m_game->platform.messages.size(), 2, 20000);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(m_game->platform.messages.last().text != QStringLiteral("DONE!"));
    QCOMPARE(TestSupport::readFile(m_game->database()), QByteArray("original"));
}

void TestFaults::gameFileThatIsNoContainer_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("text") << QByteArray("this is not a game file\n");
    QTest::newRow("header with garbage")
        << QByteArray("\x00\x10\x01WESYS\x10\x00\x00\x00\x00\x10\x00\x00garbagegarbage", 30);
}

void TestFaults::gameFileThatIsNoContainer() {
    QFETCH(QByteArray, content);
    QVERIFY(TestSupport::writeFile(m_game->database(), content));
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndWait(window));
    QVERIFY(!window.load());
    QCOMPARE(m_game->platform.messages.size(), 1);
    QVERIFY(m_game->platform.messages.first().text.contains(QStringLiteral("failed")));
    QCOMPARE(window.controls().List1->count(), 0);
    QVERIFY(!QFile::exists(m_game->databaseWorkingCopy()));
    QCOMPARE(TestSupport::readFile(m_game->database()), content);
}

void TestFaults::workingCopyGoneOrShrunkWhileEditing_data() {
    QTest::addColumn<qint64>("keptBytes"); // -1: deleted
    QTest::addColumn<QString>("button");
    QTest::newRow("deleted, Apply Changes") << qint64(-1) << "promjena_imena";
    QTest::newRow("deleted, Apply Abilities") << qint64(-1) << "Command4";
    QTest::newRow("deleted, Relink") << qint64(-1) << "Command5";
    QTest::newRow("truncated inside the record, Apply Changes") << qint64(600) << "promjena_imena";
    QTest::newRow("truncated inside the abilities, Apply Abilities") << qint64(620) << "Command4";
    QTest::newRow("truncated inside the face word, Relink") << qint64(653) << "Command5";
}

void TestFaults::workingCopyGoneOrShrunkWhileEditing() {
    QFETCH(qint64, keptBytes);
    QFETCH(QString, button);
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game));
    window.controls().List1->setCurrentRow(2); // record 2 lies at bytes 488-715
    const QString workingCopy = m_game->databaseWorkingCopy();
    if (keptBytes < 0)
        QVERIFY(QFile::remove(workingCopy));
    else
        QVERIFY(QFile::resize(workingCopy, keptBytes));
    const QByteArray before = TestSupport::readFile(workingCopy);

    window.findChild<QPushButton*>(button)->click();
    QCOMPARE(m_game->platform.messages.size(), 1);
    QCOMPARE(QFile::exists(workingCopy), keptBytes >= 0);
    QCOMPARE(TestSupport::readFile(workingCopy), before);
}

void TestFaults::emptyWorkingCopyIsRefusedByLoad() {
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game));
    const QString workingCopy = m_game->databaseWorkingCopy();
    QVERIFY(QFile::resize(workingCopy, 0));
    QVERIFY(!window.load());
    QCOMPARE(m_game->platform.messages.size(), 1);
    QVERIFY(m_game->platform.messages.first().text.contains(QStringLiteral("too short")));
    QCOMPARE(window.controls().List1->count(), PlayerLayout::recordCount); // as it was
    QCOMPARE(QFileInfo(workingCopy).size(), 0);
}

void TestFaults::saveRefusesAnOldOrShortWorkingCopy_data() {
    QTest::addColumn<bool>("decompressFails");
    QTest::addColumn<QString>("said");
    // A working copy left from an earlier session, and a game file the codec cannot read now.
    QTest::newRow("decompress failed, old working copy") << true << "failed";
    QTest::newRow("working copy cut short") << false << "shorter than a complete one";
}

void TestFaults::saveRefusesAnOldOrShortWorkingCopy() {
    QFETCH(bool, decompressFails);
    QFETCH(QString, said);
    const QString workingCopy = m_game->databaseWorkingCopy();
    if (decompressFails) {
        QVERIFY(TestSupport::writeFile(workingCopy, SampleBuilder::playerDatabase()));
        QVERIFY(TestSupport::writeFile(m_game->database(), "not a game file"));
    }
    const QByteArray original = TestSupport::readFile(m_game->database());
    Form1 window(m_game->platform);
    window.openDatabase();
    TestSupport::waitForRuns(window.session().decompressRuns(), 30000);
    if (!decompressFails)
        QVERIFY(QFile::resize(workingCopy, PlayerLayout::tableEnd - 1));
    window.controls().Command1->click();
    QCOMPARE(m_game->platform.messages.size(), 1);
    QVERIFY2(m_game->platform.messages.first().text.contains(said),
             qPrintable(m_game->platform.messages.first().text));
    QVERIFY(!window.controls().sat->isActive());
    QCOMPARE(TestSupport::readFile(m_game->database()), original);
}

void TestFaults::unreadableRecordSelectsNobody() {
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game));
    Form1Controls& c = window.controls();
    c.List1->setCurrentRow(2);
    const QString workingCopy = m_game->databaseWorkingCopy();
    QVERIFY(QFile::resize(workingCopy, 1000)); // record 2 is readable, record 5 no longer
    c.List1->setCurrentRow(5);
    QCOMPARE(m_game->platform.messages.size(), 1);
    // No player is selected now: the boxes still show player 2, and nothing may store them
    // into player 5's record or rename player 5 in the list.
    c.promjena_imena->click();
    QCOMPARE(m_game->platform.messages.size(), 2);
    QVERIFY(m_game->platform.messages.last().text.contains(QStringLiteral("Select a player")));
    QCOMPARE(c.List1->item(5)->text(), SampleBuilder::playerName(5));
    QCOMPARE(QFileInfo(workingCopy).size(), 1000);
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
