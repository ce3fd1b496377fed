// rosterly-cli, the real program: its exit statuses, the export and import round trip through
// compressed game files and working copies, --dry-run, refusals that touch nothing, diff, and the
// backups that import makes and restore puts back.
#include "codec/container.h"
#include "common/backups.h"
#include "player/playerrecord.h"
#include "tests/testsupport.h"
#include "tools/samplebuilder.h"

#include <QDir>
#include <QMap>
#include <QProcess>
#include <QTest>
#include <QtEndian>

namespace {

namespace L = PlayerLayout;

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run cli(const QStringList& arguments) {
    QProcess process;
    // Text mode reads Windows' CRLF line ends as LF, so the expected texts serve both systems.
    process.start(TestSupport::builtProgram(QStringLiteral("rosterly-cli")), arguments,
                  QIODevice::ReadWrite | QIODevice::Text);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray unpacked(const QString& gameFile) {
    return Container::decompress(TestSupport::readFile(gameFile)).bytes;
}

// Every file of the folder with its bytes, to show that nothing was written or left behind.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files[name] = TestSupport::readFile(QDir(folder).filePath(name));
    return files;
}

qint32 idOf(const QByteArray& db, int player) {
    return qFromLittleEndian<qint32>(db.constData() + L::recordStart(player));
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void init();
    void exitStatuses_data();
    void exitStatuses();
    void untouchedSheetsLeaveTheGameFilesAlone_data();
    void untouchedSheetsLeaveTheGameFilesAlone();
    void importRewritesOnlyTheEditedBytes_data();
    void importRewritesOnlyTheEditedBytes();
    void refusedImportTouchesNothing_data();
    void refusedImportTouchesNothing();
    void backupIsListedAndRestored();

private:
    std::unique_ptr<TestSupport::SampleGame> m_game;
    QString m_sheets;
    QByteArray m_db;

    // "{db}", "{teams}", "{dir}" and "{sheet}" in the arguments become the game's paths.
    QStringList paths(const QStringList& arguments) const;
    bool writeSheet(const QString& name, const QString& text) const;
};

void TestCli::init() {
    // Blanks and letters beyond ASCII in every path.
    m_game = std::make_unique<TestSupport::SampleGame>(QStringLiteral("Spiel Ordner ü"));
    QVERIFY2(m_game->isValid(), qPrintable(m_game->error()));
    m_sheets = m_game->path(QStringLiteral("Tabellen ß"));
    m_db = unpacked(m_game->database());
    QVERIFY(!m_db.isEmpty());
}

QStringList TestCli::paths(const QStringList& arguments) const {
    QStringList result;
    for (QString argument : arguments) {
        argument.replace(QStringLiteral("{db}"), m_game->database());
        argument.replace(QStringLiteral("{teams}"), m_game->teamFile());
        argument.replace(QStringLiteral("{dir}"), m_sheets);
        argument.replace(QStringLiteral("{sheet}"), QDir(m_sheets).filePath("sheet.csv"));
        result << argument;
    }
    return result;
}

bool TestCli::writeSheet(const QString& name, const QString& text) const {
    return QDir().mkpath(m_sheets) &&
           TestSupport::writeFile(QDir(m_sheets).filePath(name), text.toUtf8());
}

void TestCli::exitStatuses_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("sheet"); // written as {sheet} first; "$ID" is record 42's ID
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says"); // on standard output for 0, on standard error otherwise
    const auto row = [](const char* name, const QStringList& arguments, int exitCode,
                        const char* says, const QString& sheet = {}) {
        QTest::newRow(name) << arguments << sheet << exitCode << QString::fromUtf8(says);
    };
    row("help", {"--help"}, 0, "usage: rosterly-cli COMMAND");
    row("export help", {"export", "--help"}, 0, "usage: rosterly-cli export PLAYER_DB");
    row("import help", {"import", "--help"}, 0, "usage: rosterly-cli import PLAYER_DB");
    row("diff help", {"diff", "--help"}, 0, "usage: rosterly-cli diff OLD_DB NEW_DB");
    row("restore help", {"restore", "--help"}, 0, "usage: rosterly-cli restore BACKUP");
    row("restore without a backup", {"restore"}, 2, "too few arguments");
    row("restore of a game file", {"restore", "{db}"}, 1, "is not named like a backup");
    row("restore of a backup of no such time",
        {"restore", "{dir}/backups/unnamed_25.bin.20241301-120000.bak"}, 1,
        "is not named like a backup");
    row("restore of a backup outside a backups folder",
        {"restore", "{dir}/unnamed_25.bin.20240101-120000-2.bak"}, 1,
        "is not in a folder named backups beside its game file");
    row("backups of a file without any", {"backups", "{db}"}, 0, "unnamed_25.bin: no backups\n");
    row("no command", {}, 2, "no command given");
    row("unknown command", {"frobnicate"}, 2, "unknown command");
    row("export without --out", {"export", "{db}"}, 2, "--out DIR is missing");
    row("unknown option", {"export", "{db}", "--outt", "{dir}"}, 2, "Unknown option");
    row("import without a sheet", {"import", "{db}"}, 2, "give a sheet");
    row("teams sheet without the team file", {"import", "{db}", "--teams", "{sheet}"}, 2,
        "--teams needs the team file");
    row("diff of three files", {"diff", "{db}", "{db}", "{teams}"}, 2, "give both team files");
    row("diff of a missing file", {"diff", "{db}", "{dir}/missing.bin"}, 2, "no such file");
    row("diff of a team file as a player database", {"diff", "{db}", "{teams}"}, 2,
        "unnamed_32.bin: The player database is too short");
    row("diff of a database with itself", {"diff", "{db}", "{db}", "{teams}", "{teams}"}, 0,
        "players: no differences\nteams: no differences\n");
    row("export of a file that is no game file", {"export", "{sheet}", "--out", "{dir}"}, 1,
        "not a game file the codec can read", "index,id\r\n");
    row("import into a team file as a player database",
        {"import", "{teams}", "--players", "{sheet}"}, 1,
        "unnamed_32.bin: The player database is too short", "index,id\r\n");
    row("export in an unknown format", {"export", "{db}", "--out", "{dir}", "--format", "ods"}, 2,
        "--format is csv or xlsx, not \"ods\"");
    row("import of a rosters sheet", {"import", "{db}", "--players", "{sheet}"}, 1,
        "sheet.csv is a rosters sheet, which is written for reading",
        "team_id,team_name,slot,player_id,player_name,shirt_number\r\n");
    row("import of a teams sheet as players", {"import", "{db}", "--players", "{sheet}"}, 1,
        "sheet.csv is a teams sheet; give it as --teams FILE.", "position,name\r\n");
    row("import of a sheet that is no text", {"import", "{db}", "--players", "{sheet}"}, 1,
        "sheet.csv: it is not a text sheet: it looks like a PDF document.", "%PDF-1.4\n");
    row("import of a refused sheet", {"import", "{db}", "--players", "{sheet}"}, 1,
        "sheet.csv: row 2, column age: enter a number from -17 to 238.\nNothing was written.",
        "index,id,age\r\n42,$ID,300\r\n");
}

void TestCli::exitStatuses() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, sheet);
    QFETCH(int, exitCode);
    QFETCH(QString, says);
    if (!sheet.isEmpty())
        QVERIFY(writeSheet(QStringLiteral("sheet.csv"),
                           sheet.replace(QStringLiteral("$ID"), QString::number(idOf(m_db, 42)))));
    const Run run = cli(paths(arguments));
    QCOMPARE(run.exitCode, exitCode);
    const QString& stream = exitCode == 0 ? run.out : run.err;
    QVERIFY2(stream.contains(says), qPrintable(run.out + run.err));
}

void TestCli::untouchedSheetsLeaveTheGameFilesAlone_data() {
    QTest::addColumn<QString>("format");
    QTest::newRow("csv") << QStringLiteral("csv");
    QTest::newRow("xlsx") << QStringLiteral("xlsx");
}

void TestCli::untouchedSheetsLeaveTheGameFilesAlone() {
    QFETCH(QString, format);
    const Run exported =
        cli(paths({"export", "{db}", "{teams}", "--out", "{dir}", "--format", format}));
    QCOMPARE(exported.exitCode, 0);
    QCOMPARE(QDir(m_sheets).entryList(QDir::Files),
             QStringList({"players." + format, "rosters." + format, "teams." + format}));
    const auto before = snapshot(m_game->folder());
    const Run imported =
        cli(paths({"import", "{db}", "{teams}", "--players", "{dir}/players." + format, "--teams",
                   "{dir}/teams." + format}));
    QCOMPARE(imported.exitCode, 0);
    QVERIFY2(imported.out.contains(QStringLiteral("nothing to change")), qPrintable(imported.out));
    QCOMPARE(snapshot(m_game->folder()), before);
}

// Record 42's attack becomes 77 and team 0 is renamed, in the compressed game files or in their
// working copies.
void TestCli::importRewritesOnlyTheEditedBytes_data() {
    QTest::addColumn<bool>("workingCopies");
    QTest::addColumn<bool>("dryRun");
    QTest::newRow("compressed game files") << false << false;
    QTest::newRow("working copies") << true << false;
    QTest::newRow("dry run") << false << true;
}

void TestCli::importRewritesOnlyTheEditedBytes() {
    QFETCH(bool, workingCopies);
    QFETCH(bool, dryRun);
    const QByteArray teams = unpacked(m_game->teamFile());
    QString db = m_game->database();
    QString teamFile = m_game->teamFile();
    if (workingCopies) {
        db = m_game->databaseWorkingCopy();
        teamFile = m_game->teamWorkingCopy();
        QVERIFY(TestSupport::writeFile(db, m_db) && TestSupport::writeFile(teamFile, teams));
    }
    const QString oldDb =
        m_game->path(workingCopies ? QStringLiteral("old.bin.unzlib") : QStringLiteral("old.bin"));
    QVERIFY(QFile::copy(db, oldDb));
    const auto before = snapshot(m_game->folder());
    QVERIFY(writeSheet("players.csv",
                       QStringLiteral("index,id,attack\r\n42,%1,77\r\n").arg(idOf(m_db, 42))));
    QVERIFY(writeSheet("teams.csv", QStringLiteral("position,name\r\n0,Österreich\r\n")));
    QStringList arguments = paths(
        {"import", db, teamFile, "--players", "{dir}/players.csv", "--teams", "{dir}/teams.csv"});
    if (dryRun)
        arguments << QStringLiteral("--dry-run");

    const Run run = cli(arguments);
    QCOMPARE(run.exitCode, 0);
    const int oldAttack = uchar(m_db[L::nameOffset(42) + 72]);
    const QString change = QStringLiteral("42 %1 %2: attack %3 -> 77")
                               .arg(idOf(m_db, 42))
                               .arg(SampleBuilder::playerName(42))
                               .arg(oldAttack & 127);
    QVERIFY2(run.out.startsWith(QStringLiteral("players.csv: 1 record and 1 field %1\n%2\n")
                                    .arg(dryRun ? "would change" : "change", change)),
             qPrintable(run.out));
    QVERIFY(run.out.contains(QStringLiteral("0 100 Austria: name Austria -> Österreich")));
    if (dryRun) {
        QCOMPARE(snapshot(m_game->folder()), before);
        QVERIFY(Backups::list(db).empty());
        return;
    }
    // Each game file as it was is kept, and the output names where.
    for (const QString& file : {db, teamFile}) {
        const std::vector<Backups::Backup> backups = Backups::list(file);
        QCOMPARE(backups.size(), size_t(1));
        QCOMPARE(TestSupport::readFile(backups.front().path),
                 before.value(QFileInfo(file).fileName()));
        QVERIFY2(run.out.contains(QStringLiteral("wrote %1 (the file as it was: %2)\n")
                                      .arg(file, QDir::toNativeSeparators(backups.front().path))),
                 qPrintable(run.out));
    }

    QByteArray expected = m_db;
    expected[L::nameOffset(42) + 72] = char(77 | (oldAttack & 128));
    QVERIFY(workingCopies ? TestSupport::readFile(db) == expected : unpacked(db) == expected);
    if (!workingCopies) // a replaced container keeps its header bytes, byte order and padding
        QCOMPARE(Container::formOf(TestSupport::readFile(db)),
                 Container::formOf(TestSupport::readFile(oldDb)));
    const QByteArray renamedTeams =
        workingCopies ? TestSupport::readFile(teamFile) : unpacked(teamFile);
    QCOMPARE(renamedTeams.mid(80, 11), QByteArray("\xD6sterreich\0", 11));
    QCOMPARE(renamedTeams.size(), teams.size());

    const Run diff = cli({QStringLiteral("diff"), oldDb, db});
    QCOMPARE(diff.exitCode, 1);
    QCOMPARE(diff.out, change + QStringLiteral("\nplayers: 1 difference in 1 record\n"));
}

// A valid player sheet beside a refused team sheet, or beside a team file that cannot be backed up
// (its name leaves no room for the backup's time and ".bak") once the player database is
// replaced: no game file is changed, and no temporary file is left behind.
void TestCli::refusedImportTouchesNothing_data() {
    QTest::addColumn<QString>("teamsSheet");
    QTest::addColumn<bool>("unreplaceableTeamFile");
    QTest::addColumn<QString>("errStart"); // "{db}" and "{teams}" stand for the game files
    QTest::addColumn<QString>("errEnd");
    QTest::newRow("refused team sheet")
        << "position,team_id\r\n0,101\r\n"
        << false
        << "teams.csv: row 2, column team_id: team IDs are not edited here; the team's is 100.\n"
        << "\nNothing was written.\n";
    QTest::newRow("team file that cannot be backed up")
        << "position,name\r\n0,Österreich\r\n"
        << true << "{teams}: cannot be replaced: no backup could be made as "
        << "\n{db}: put back as it was\nNothing was changed.\n";
}

void TestCli::refusedImportTouchesNothing() {
    QFETCH(QString, teamsSheet);
    QFETCH(bool, unreplaceableTeamFile);
    QFETCH(QString, errStart);
    QFETCH(QString, errEnd);
    QString teams = m_game->teamFile();
    if (unreplaceableTeamFile) {
        teams = QDir(m_game->folder()).filePath(QString(246, u't') + QStringLiteral(".bin"));
        QVERIFY(QFile::copy(m_game->teamFile(), teams));
    }
    QVERIFY(writeSheet("players.csv",
                       QStringLiteral("index,id,attack\r\n42,%1,77\r\n").arg(idOf(m_db, 42))));
    QVERIFY(writeSheet("teams.csv", teamsSheet));
    const auto before = snapshot(m_game->folder());
    const Run run = cli(paths(
        {"import", "{db}", teams, "--players", "{dir}/players.csv", "--teams", "{dir}/teams.csv"}));
    QCOMPARE(run.exitCode, 1);
    for (QString* expected : {&errStart, &errEnd}) {
        expected->replace(QStringLiteral("{db}"), m_game->database());
        expected->replace(QStringLiteral("{teams}"), teams);
    }
    QVERIFY2(run.err.startsWith(errStart) && run.err.endsWith(errEnd), qPrintable(run.err));
    QCOMPARE(run.out.isEmpty(), !unreplaceableTeamFile); // the plan is printed before writing
    QCOMPARE(snapshot(m_game->folder()), before);
}

void TestCli::backupIsListedAndRestored() {
    const QString db = m_game->database();
    const QString folder = QDir(m_game->folder()).filePath(QStringLiteral("backups"));
    const QString old = QDir(folder).filePath(QStringLiteral("unnamed_25.bin.20200101-000000.bak"));
    QVERIFY(QDir().mkpath(folder) && TestSupport::writeFile(old, "old bytes"));
    const QByteArray current = TestSupport::readFile(db);
    const QString oldLine =
        QDir::toNativeSeparators(old) + QStringLiteral("\t9 bytes\t2020-01-01 00:00:00");
    const Run listed = cli({QStringLiteral("backups"), db});
    QCOMPARE(listed.exitCode, 0);
    QCOMPARE(listed.out, oldLine + u'\n');

    const Run restored = cli({QStringLiteral("restore"), old});
    QCOMPARE(restored.exitCode, 0);
    QCOMPARE(TestSupport::readFile(db), QByteArray("old bytes"));
    const std::vector<Backups::Backup> backups = Backups::list(db);
    QCOMPARE(backups.size(), size_t(2));
    QCOMPARE(TestSupport::readFile(backups.front().path), current);
    QVERIFY2(restored.out.endsWith(QStringLiteral("the file as it was: %1\n")
                                       .arg(QDir::toNativeSeparators(backups.front().path))),
             qPrintable(restored.out));
    const Run again = cli({QStringLiteral("backups"), db});
    QCOMPARE(again.out, QStringLiteral("%1\t%2 bytes\t%3\n%4\n")
                            .arg(QDir::toNativeSeparators(backups.front().path))
                            .arg(current.size())
                            .arg(backups.front().time.toString(u"yyyy-MM-dd HH:mm:ss"), oldLine));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
