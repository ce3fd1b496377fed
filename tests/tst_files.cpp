// Game files as Windows treats them too: paths in any letters and with either separator, names
// that differ only in case, a file that another program holds open; the backups kept before each
// replacement.
#include "common/backups.h"
#include "common/samefile.h"
#include "common/wholefile.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <future>
#include <thread>

namespace {

bool onWindows() {
    return QSysInfo::kernelType() == QLatin1String("winnt");
}

} // namespace

class TestFiles : public QObject {
    Q_OBJECT

private slots:
    void replaceLeavesOnlyTheFile_data();
    void replaceLeavesOnlyTheFile();
    void fileHeldOpenIsReplacedWholeOrNotAtAll();
    void patientReplaceOutwaitsAPassingReader();
    void sameFile_data();
    void sameFile();
    void backupsKeepTheNewestAndTheOldest();
    void fileIsNotBackedUpTwice();
    void backupThatCannotBeMadeStopsTheReplacement_data();
    void backupThatCannotBeMadeStopsTheReplacement();
};

void TestFiles::replaceLeavesOnlyTheFile_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("existing"); // a file already in the folder ("" = none)
    QTest::addColumn<QString>("replaced"); // the name given to replace
    QTest::addColumn<bool>("nativeSeparators");

    const QString game = QStringLiteral("unnamed_25.bin");
    QTest::newRow("new file") << QString() << QString() << game << false;
    QTest::newRow("existing file") << QString() << game << game << false;
    QTest::newRow("blanks, letters of no single code page, native separators")
        << QString::fromUtf8("PES 2011/Spielstände Łódź") << game << game << true;
    // One file where names are compared without case (Windows), two where they are not.
    QTest::newRow("name differing only in case")
        << QString() << game << QStringLiteral("UNNAMED_25.BIN") << false;
}

void TestFiles::replaceLeavesOnlyTheFile() {
    QFETCH(QString, folder);
    QFETCH(QString, existing);
    QFETCH(QString, replaced);
    QFETCH(bool, nativeSeparators);

    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString dir = folder.isEmpty() ? temporary.path() : temporary.filePath(folder);
    QVERIFY(QDir().mkpath(dir));
    if (!existing.isEmpty())
        QVERIFY(TestSupport::writeFile(QDir(dir).filePath(existing), QByteArray(4096, 'o')));
    const bool sameFileByCase =
        !existing.isEmpty() && existing != replaced && QFile::exists(QDir(dir).filePath(replaced));

    QString path = QDir(dir).filePath(replaced);
    if (nativeSeparators)
        path = QDir::toNativeSeparators(path);
    const QByteArray bytes("new bytes\r\n", 11);
    QString error;
    QVERIFY2(WholeFile::replace(path, bytes, &error), qPrintable(error));
    QCOMPARE(WholeFile::read(path, &error).value_or("unreadable"), bytes);

    // No temporary file stays behind; a name in other capitals is the same file only where the
    // file system found it before the replacement.
    const QStringList left = TestSupport::entries(dir);
    if (sameFileByCase) {
        QCOMPARE(left.size(), 1);
        QCOMPARE(left.constFirst().toLower(), existing.toLower());
        QCOMPARE(WholeFile::read(QDir(dir).filePath(existing), &error).value_or(""), bytes);
        return;
    }
    QStringList expected{replaced};
    if (!existing.isEmpty() && existing != replaced)
        expected << existing;
    expected.sort();
    QCOMPARE(left, expected);
}

// Windows does not rename over a file that is open elsewhere; the replacement must then fail as a
// whole, say why in words a user understands, and leave the file as it was.
void TestFiles::fileHeldOpenIsReplacedWholeOrNotAtAll() {
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString path = temporary.filePath(QStringLiteral("unnamed_25.bin"));
    const QByteArray original(100000, 'o');
    QVERIFY(TestSupport::writeFile(path, original));

    QFile holder(path);
    QVERIFY(holder.open(QIODevice::ReadOnly));
    const QByteArray replacement(100000, 'n');
    QString error;
    const bool replaced = WholeFile::replace(path, replacement, &error);
    holder.close();

    if (onWindows())
        QVERIFY2(!replaced, "a file held open was replaced");

    QString readError;
    const QByteArray now = WholeFile::read(path, &readError).value_or("unreadable");
    if (replaced) {
        QCOMPARE(now, replacement);
    } else {
        QVERIFY2(now == original, "a refused replacement changed the file");
        QVERIFY2(error.contains(QStringLiteral("another program may hold the file open")),
                 qPrintable(error));
    }
    QCOMPARE(TestSupport::entries(temporary.path()), QStringList{QStringLiteral("unnamed_25.bin")});

    // A game file replaced the same way: a refused replacement leaves no backup behind.
    QVERIFY(holder.open(QIODevice::ReadOnly));
    QString made;
    const bool gameFileReplaced =
        Backups::replaceGameFile(path, replaced ? original : replacement, &error, &made);
    holder.close();
    QCOMPARE(gameFileReplaced, replaced);
    QCOMPARE(Backups::list(path).size(), size_t(replaced ? 1 : 0));
    if (replaced)
        QVERIFY(QDir(temporary.filePath(QStringLiteral("backups"))).removeRecursively());
    else
        QVERIFY(!QFile::exists(temporary.filePath(QStringLiteral("backups"))));
}

// A reader that holds the file for a moment (another thread here, a virus scanner on Windows)
// delays the codec tool's replacement but does not make it fail.
void TestFiles::patientReplaceOutwaitsAPassingReader() {
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString path = temporary.filePath(QStringLiteral("unnamed_25.bin.unzlib"));
    QVERIFY(TestSupport::writeFile(path, QByteArray(100000, 'o')));

    std::promise<void> opened;
    std::thread reader([&path, &opened] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        opened.set_value();
        QThread::msleep(300);
    });
    opened.get_future().wait();
    const QByteArray replacement(100000, 'n');
    QString error;
    const bool replaced = WholeFile::replacePatiently(path, replacement, 10000, &error);
    reader.join();
    QVERIFY2(replaced, qPrintable(error));
    QCOMPARE(WholeFile::read(path, &error).value_or("unreadable"), replacement);
    QCOMPARE(TestSupport::entries(temporary.path()),
             QStringList{QStringLiteral("unnamed_25.bin.unzlib")});
}

// The rule that keeps one game file out of two windows.
void TestFiles::sameFile_data() {
    QTest::addColumn<QString>("other"); // another way to name <dir>/PES 2011/unnamed_25.bin
    QTest::addColumn<bool>("same");

    QTest::newRow("the same path") << QStringLiteral("PES 2011/unnamed_25.bin") << true;
    QTest::newRow("through another folder")
        << QStringLiteral("PES 2011/../PES 2011/./unnamed_25.bin") << true;
    QTest::newRow("another file") << QStringLiteral("PES 2011/unnamed_32.bin") << false;
    QTest::newRow("a file that does not exist") << QStringLiteral("PES 2011/missing.bin") << false;
    QTest::newRow("capitals") << QStringLiteral("pes 2011/UNNAMED_25.BIN") << true;
}

void TestFiles::sameFile() {
    QFETCH(QString, other);
    QFETCH(bool, same);

    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    QVERIFY(QDir(temporary.path()).mkpath(QStringLiteral("PES 2011")));
    const QString game = temporary.filePath(QStringLiteral("PES 2011/unnamed_25.bin"));
    QVERIFY(TestSupport::writeFile(game, "25"));
    QVERIFY(TestSupport::writeFile(temporary.filePath(QStringLiteral("PES 2011/unnamed_32.bin")),
                                   "32"));
    const QString otherPath = temporary.filePath(other);
    // Capitals name the same file exactly where the file system finds it by them (Windows).
    if (other.startsWith(QLatin1String("pes")))
        same = QFile::exists(otherPath);
    QCOMPARE(::sameFile(game, otherPath), same);
    QCOMPARE(::sameFile(QDir::toNativeSeparators(otherPath), game), same);
}

// Thirteen replacements within a second or two: their backups are told apart by counters up to
// "-13", which order by number ("-10" after "-9", "-2" after none) and not by letters.
void TestFiles::backupsKeepTheNewestAndTheOldest() {
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString game = temporary.filePath(QStringLiteral("unnamed_25.bin"));
    const QString backups = temporary.filePath(QStringLiteral("backups"));
    QString error;
    QString made;
    QVERIFY2(Backups::replaceGameFile(game, "v0", &error, &made), qPrintable(error));
    QVERIFY2(made.isEmpty() && !QFile::exists(backups), "a new game file was backed up");
    // Another game file's backup and a file of the user's are no backups of this one.
    QVERIFY(QDir().mkpath(backups));
    const QStringList others{QStringLiteral("unnamed_32.bin.20000101-000000.bak"),
                             QStringLiteral("notes.txt")};
    for (const QString& name : others)
        QVERIFY(TestSupport::writeFile(QDir(backups).filePath(name), "other"));

    constexpr int replacements = 13;
    for (int version = 1; version <= replacements; ++version) {
        const QByteArray bytes = "v" + QByteArray::number(version);
        QVERIFY2(Backups::replaceGameFile(game, bytes, &error, &made), qPrintable(error));
        QCOMPARE(TestSupport::readFile(made), "v" + QByteArray::number(version - 1));
        QCOMPARE(TestSupport::readFile(game), bytes);
    }
    // v1 and v2 went; v0, the file before the first replacement, stays with the ten newest.
    QStringList kept;
    for (const Backups::Backup& backup : Backups::list(game)) {
        QCOMPARE(backup.size, TestSupport::readFile(backup.path).size());
        kept << QString::fromLatin1(TestSupport::readFile(backup.path));
    }
    QCOMPARE(kept,
             QStringList({"v12", "v11", "v10", "v9", "v8", "v7", "v6", "v5", "v4", "v3", "v0"}));
    QCOMPARE(TestSupport::entries(backups).size(), Backups::newestKept + 1 + others.size());
    for (const QString& name : others)
        QVERIFY(QFile::exists(QDir(backups).filePath(name)));
}

// The file put back as it was between two replacements (by a restore, or by the program that made
// it) holds the bytes of the newest backup: that one stands for it, and no second one is made.
void TestFiles::fileIsNotBackedUpTwice() {
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString game = temporary.filePath(QStringLiteral("unnamed_25.bin"));
    QVERIFY(TestSupport::writeFile(game, "A"));
    QString error;
    QString first;
    QString second;
    QVERIFY2(Backups::replaceGameFile(game, "B", &error, &first), qPrintable(error));
    QVERIFY(TestSupport::writeFile(game, "A"));
    QVERIFY2(Backups::replaceGameFile(game, "C", &error, &second), qPrintable(error));
    QCOMPARE(second, first);
    QCOMPARE(Backups::list(game).size(), size_t(1));
    QVERIFY2(Backups::replaceGameFile(game, "D", &error, &second), qPrintable(error));
    QCOMPARE(TestSupport::readFile(second), QByteArray("C"));
    QCOMPARE(Backups::list(game).size(), size_t(2));
}

void TestFiles::backupThatCannotBeMadeStopsTheReplacement_data() {
    QTest::addColumn<QString>("gameName");
    QTest::addColumn<bool>("fileInTheWay"); // a file named backups where the folder goes
    QTest::addColumn<QString>("says");
    QTest::newRow("a file named backups") << "unnamed_25.bin" << true << "is a file, not a folder";
    // The game file's name fits the folder; with the time and ".bak" the backup's does not.
    QTest::newRow("a backup name too long to write") << QString(240, u'g') << false << "";
}

void TestFiles::backupThatCannotBeMadeStopsTheReplacement() {
    QFETCH(QString, gameName);
    QFETCH(bool, fileInTheWay);
    QFETCH(QString, says);
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString game = temporary.filePath(gameName);
    const QByteArray original(70000, 'o');
    QVERIFY(TestSupport::writeFile(game, original));
    if (fileInTheWay)
        QVERIFY(TestSupport::writeFile(temporary.filePath(QStringLiteral("backups")), "mine"));
    const QStringList before = TestSupport::entries(temporary.path());

    QString error;
    QString made;
    QVERIFY(!Backups::replaceGameFile(game, "new", &error, &made));
    QVERIFY(made.isEmpty());
    const QString backup =
        QDir::toNativeSeparators(temporary.filePath(QStringLiteral("backups/")) + gameName + u'.');
    QVERIFY2(error.startsWith(QStringLiteral("no backup could be made as ") + backup) &&
                 error.contains(says),
             qPrintable(error));
    QCOMPARE(TestSupport::readFile(game), original);
    QCOMPARE(TestSupport::entries(temporary.path()), before);
}

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
