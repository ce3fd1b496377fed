// rosterly-cli, the real program: its exit statuses, the export and import round trip through
// compressed game files and working copies, --dry-run, refusals that touch nothing, diff, the
// backups that import makes and restore puts back, and the squad commands.
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

#include <algorithm>

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

// The sample's squads: team j of the list has roster record j.
namespace S = SampleBuilder;
using Roster = QList<std::pair<int, int>>; // player record and shirt number, slot by slot

Roster rosterOf(int team) {
    const S::Team& listed = S::teams().at(team);
    Roster roster;
    for (int s = 0; s < listed.players.size(); ++s)
        roster.append({listed.players[s], listed.shirtNumbers[size_t(s)]});
    return roster;
}

// The record as the squad rules write it: the players, then empty slots (ID 0, number 0).
void putRoster(QByteArray& db, int team, const Roster& roster) {
    for (int s = 0; s < RosterLayout::slotCount; ++s) {
        const qint64 record = RosterLayout::recordStart(team);
        const auto [player, number] = s < roster.size() ? roster[s] : std::pair(-1, 0);
        qToLittleEndian<qint32>(player < 0 ? 0 : S::playerId(player),
                                db.data() + record + RosterLayout::playerIds + 4 * s);
        db[record + RosterLayout::shirtNumbers + s] = char(number);
    }
}

QString teamId(int team) {
    return QString::number(S::teams().at(team).id);
}

QString playerId(int player) {
    return QString::number(S::playerId(player));
}

// How the squad commands name a player.
QString named(int player) {
    return QStringLiteral("%1 (%2)").arg(S::playerName(player), playerId(player));
}

bool worn(const Roster& roster, int number) {
    return std::any_of(roster.begin(), roster.end(),
                       [&](const auto& slot) { return slot.second == number; });
}

// The number the squad rules give a player who joins without asking for one: his own when no one
// wears it, else the lowest free one.
int numberIn(const Roster& roster, int own) {
    int number = own >= 1 && own <= 99 ? own : 1;
    if (worn(roster, number))
        for (number = 1; worn(roster, number);)
            ++number;
    return number;
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
    void refusedImportsKeepTheDistinctBackups();
    void playersPrintsWhatTheFilterLetsThrough();
    void setChangesAColumnOfTheFilteredPlayers();
    void mergeTakesFromAnotherPair();
    void backupIsListedAndRestored();
    void squadChangesAreWritten_data();
    void squadChangesAreWritten();
    void checkNamesADamagedRoster();

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
                        const QString& says, const QString& sheet = {}) {
        QTest::newRow(name) << arguments << sheet << exitCode << says;
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
    row("import of a rosters sheet as players", {"import", "{db}", "--players", "{sheet}"}, 1,
        "sheet.csv is a rosters sheet; give it as --rosters FILE.",
        "team_id,team_name,slot,player_id,player_name,shirt_number\r\n");
    row("rosters sheet without the team file", {"import", "{db}", "--rosters", "{sheet}"}, 2,
        "--rosters needs the team file");
    row("players and rosters at once",
        {"import", "{db}", "{teams}", "--players", "{sheet}", "--rosters", "{sheet}"}, 2,
        "give --players or --rosters, not both");
    row("rosters sheet with a player twice", {"import", "{db}", "{teams}", "--rosters", "{sheet}"},
        1, "sheet.csv: row 3, column player_id: Adam Adams is in Austria already, on row 2.",
        "team_id,slot,player_id,shirt_number\r\n100,0,1,5\r\n100,1,1,6\r\n");
    row("import of a teams sheet as players", {"import", "{db}", "--players", "{sheet}"}, 1,
        "sheet.csv is a teams sheet; give it as --teams FILE.", "position,name\r\n");
    row("import of a sheet that is no text", {"import", "{db}", "--players", "{sheet}"}, 1,
        "sheet.csv: it is not a text sheet: it looks like a PDF document.", "%PDF-1.4\n");
    row("import of a refused sheet", {"import", "{db}", "--players", "{sheet}"}, 1,
        "sheet.csv: row 2, column age: enter a number from -17 to 238.\nNothing was written.",
        "index,id,age\r\n42,$ID,300\r\n");

    // The squads, with the sample's teams (by list position) and players.
    const S::Team& second = S::teams().at(1);
    const S::Team& full = S::teams().at(S::fullRosterTeam);
    const QString first = playerId(S::teams().at(0).players[0]);
    const int shared = full.players[0];
    row("transfer help", {"transfer", "--help"}, 0,
        "usage: rosterly-cli transfer PLAYER_DB TEAM_FILE --player ID --to TEAM_ID");
    row("squad of a team ID that is no number", {"squad", "{db}", "{teams}", "Austria"}, 2,
        "TEAM_ID is a number, not \"Austria\"");
    row("transfer without --to", {"transfer", "{db}", "{teams}", "--player", first}, 2,
        "--to TEAM_ID is missing");
    row("transfer of player ID 0",
        {"transfer", "{db}", "{teams}", "--player", "0", "--to", teamId(0)}, 2,
        "player ID 0 marks an empty slot");
    row("release without --from", {"release", "{db}", "{teams}", "--player", first}, 2,
        "--from TEAM_ID is missing");
    row("check of the player database alone", {"check", "{db}"}, 2, "too few arguments");
    row("check of a team file that is no game file", {"check", "{db}", "{sheet}"}, 2,
        "sheet.csv: not a game file the codec can read", "team_id\r\n");
    // No team ID of the team file (16-bit) is as high.
    row("squad of a team the team file does not list", {"squad", "{db}", "{teams}", "100000"}, 1,
        "The team file lists no team with team ID 100000.\n");
    row("transfer of a player in two squads without --from",
        {"transfer", "{db}", "{teams}", "--player", playerId(shared), "--to", teamId(0)}, 1,
        QStringLiteral("%1 is in 2 squads: %2 (team ID %3) and %4 (team ID %5); say which he "
                       "leaves with --from TEAM_ID.\nNothing was written.\n")
            .arg(named(shared), S::teams().at(S::sharedPlayerSecondTeam).name,
                 teamId(S::sharedPlayerSecondTeam), full.name, teamId(S::fullRosterTeam)));
    row("transfer into a full squad",
        {"transfer", "{db}", "{teams}", "--player", first, "--to", teamId(S::fullRosterTeam)}, 1,
        full.name + " has 32 players already, the most a squad can hold.\nNothing was written.\n");
    row("transfer with a shirt number that is taken",
        {"transfer", "{db}", "{teams}", "--player", first, "--to", teamId(1), "--number",
         QString::number(second.shirtNumbers[0])},
        1,
        QStringLiteral("Shirt number %1 is taken by %2 in %3.\n")
            .arg(QString::number(second.shirtNumbers[0]), named(second.players[0]), second.name));
    row("release from a squad the player is not in",
        {"release", "{db}", "{teams}", "--player", first, "--from", teamId(1)}, 1,
        QStringLiteral("%1 is not in %2.\n").arg(named(S::teams().at(0).players[0]), second.name));
    row("check of the sample", {"check", "{db}", "{teams}"}, 0, "no problems\n");
    // Two files that do not exist are not one file: the first is named.
    row("squad of two missing files", {"squad", "{dir}/a.bin", "{dir}/b.bin", "100"}, 1,
        "a.bin: no such file");
    row("check of two missing files", {"check", "{dir}/a.bin", "{dir}/b.bin"}, 2,
        "a.bin: no such file");
    row("transfer between two missing files",
        {"transfer", "{dir}/a.bin", "{dir}/b.bin", "--player", "1", "--to", "100"}, 1,
        "a.bin: no such file");
    row("check of one file given twice", {"check", "{db}", "{db}"}, 2,
        "the player database and the team file are the same file");
    row("players help", {"players", "--help"}, 0, "usage: rosterly-cli players PLAYER_DB");
    row("players with a misspelt column", {"players", "{db}", "--where", "age<21 sped>80"}, 2,
        "rosterly-cli: --where: sped>80: unknown column \"sped\" (speed?)\n");
    row("players with an unknown sort column", {"players", "{db}", "--sort", "-speeed"}, 2,
        "--sort: unknown column \"speeed\" (speed?)");
    row("players by squad without the team file", {"players", "{db}", "--where", "squads=0"}, 2,
        "the column squads needs the team file");
    row("players that no one is", {"players", "{db}", "--where", "age>99", "--columns", "id"}, 0,
        "id\n");
    row("set without a change", {"set", "{db}", "--where", "age<21", "--column", "speed"}, 2,
        "give one of --value, --add, --subtract, --at-least, --at-most");
    row("set of a column that is not written",
        {"set", "{db}", "--where", "", "--column", "id", "--value", "5"}, 2,
        "--column: \"id\" is no column a change writes");
    row("set with a wrong filter",
        {"set", "{db}", "--where", "age<<21", "--column", "speed", "--add", "5"}, 2,
        "--where: age<<21: age holds whole numbers, and \"<21\" is none");
    row("set to a value the import refuses",
        {"set", "{db}", "--where", "index<3", "--column", "speed", "--value", "150"}, 1,
        "speed: enter a number from 0 to 127. (3 players, the first 0 ");
    row("merge help", {"merge", "--help"}, 0, "usage: rosterly-cli merge PLAYER_DB TEAM_FILE");
    row("merge of squads without the other team file",
        {"merge", "{db}", "{teams}", "{db}", "--parts", "squads"}, 2,
        "squads and team_names need the other team file");
    row("merge of a part there is none of",
        {"merge", "{db}", "{teams}", "{db}", "--parts", "faces"}, 2,
        "--parts: \"faces\" is none of details, abilities, appearance, squads, team_names");
    row("set, dry run",
        {"set", "{db}", "--where", "index=42", "--column", "speed", "--add", "1", "--dry-run"}, 0,
        "dry run: nothing was written\n");
}

void TestCli::exitStatuses() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, sheet);
    QFETCH(int, exitCode);
    QFETCH(QString, says);
    if (!sheet.isEmpty())
        QVERIFY(writeSheet(QStringLiteral("sheet.csv"),
                           sheet.replace(QStringLiteral("$ID"), QString::number(idOf(m_db, 42)))));
    const auto before = snapshot(m_game->folder());
    const Run run = cli(paths(arguments));
    QCOMPARE(run.exitCode, exitCode);
    const QString& stream = exitCode == 0 ? run.out : run.err;
    QVERIFY2(stream.contains(says), qPrintable(run.out + run.err));
    // None of them writes a game file, or backs one up.
    QCOMPARE(snapshot(m_game->folder()), before);
    QVERIFY(Backups::list(m_game->database()).empty());
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
    const Run rosters =
        cli(paths({"import", "{db}", "{teams}", "--rosters", "{dir}/rosters." + format}));
    QCOMPARE(rosters.exitCode, 0);
    QVERIFY2(rosters.out.contains(QStringLiteral("nothing to change")), qPrintable(rosters.out));
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
    QCOMPARE(diff.out,
             change +
                 QStringLiteral("\nplayers: 1 difference in 1 record\nrosters: no differences\n"));
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
    // The player database was put back as it was, so its backup of the refused import went too.
    QVERIFY(Backups::list(m_game->database()).empty());
}

// A squad's players, highest ID first, as tab-separated text and as the players sheet writes
// its cells.
void TestCli::playersPrintsWhatTheFilterLetsThrough() {
    const S::Team& austria = S::teams().at(0);
    QList<int> players(austria.players.begin(), austria.players.end());
    std::sort(players.begin(), players.end(),
              [](int a, int b) { return S::playerId(a) > S::playerId(b); });
    for (const char* format : {"tsv", "csv"}) {
        const Run run = cli(
            paths({"players", "{db}", "{teams}", "--where", "teams=austria", "--columns",
                   "id,name,squads", "--sort", "-id", "--format", QString::fromLatin1(format)}));
        QCOMPARE(run.exitCode, 0);
        const QString separator = qstrcmp(format, "tsv") == 0 ? "\t" : ",";
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), players.size() + 1);
        QCOMPARE(lines.first(), QStringLiteral("id%1name%1squads").arg(separator));
        int calledUp = 0;
        for (qsizetype i = 0; i < players.size(); ++i) {
            QCOMPARE(lines.at(i + 1).section(separator, 0, 1),
                     QStringLiteral("%1%2%3").arg(playerId(players[i]), separator,
                                                  S::playerName(players[i])));
            calledUp += lines.at(i + 1).section(separator, 2, 2) == QStringLiteral("2") ? 1 : 0;
        }
        QCOMPARE(calledUp, S::calledUpPerNationalTeam); // also in their club's squad
    }
}

// Speed +5 for the players of Austria's squad: the lines as import prints them, the summary, a
// backup, and the bytes a sheet import of the same values writes.
void TestCli::setChangesAColumnOfTheFilteredPlayers() {
    const Run run = cli(paths(
        {"set", "{db}", "{teams}", "--where", "teams=Austria", "--column", "speed", "--add", "5"}));
    QCOMPARE(run.exitCode, 0);
    const QByteArray after = unpacked(m_game->database());
    int changed = 0;
    for (const int player : S::teams().at(0).players) {
        const int was = uchar(m_db[L::nameOffset(player) + 76]) & 0x7F;
        const int now = uchar(after[L::nameOffset(player) + 76]) & 0x7F;
        QCOMPARE(now, std::min(99, was + 5));
        if (now != was) {
            ++changed;
            QVERIFY2(run.out.contains(QStringLiteral("%1 %2 %3: speed %4 -> %5\n")
                                          .arg(player)
                                          .arg(S::playerId(player))
                                          .arg(S::playerName(player))
                                          .arg(was)
                                          .arg(now)),
                     qPrintable(run.out));
        }
    }
    QVERIFY2(run.out.contains(QStringLiteral("%1 players change").arg(changed)),
             qPrintable(run.out));
    QCOMPARE(Backups::list(m_game->database()).size(), size_t(1));
    // Nothing else of the file changed.
    QByteArray expected = m_db;
    for (const int player : S::teams().at(0).players)
        expected[L::nameOffset(player) + 76] = after[L::nameOffset(player) + 76];
    QVERIFY(after == expected);
}

// The other pair: a refused squad refuses the whole merge unless --skip-refused; --dry-run writes
// nothing; the rest goes into both files, backed up, both or neither.
void TestCli::mergeTakesFromAnotherPair() {
    const QString folder = m_game->path(QStringLiteral("other"));
    QVERIFY(QDir().mkpath(folder));
    const TestSupport::GamePair other = TestSupport::otherSample();
    const QString otherDb = QDir(folder).filePath(QStringLiteral("unnamed_25.bin.unzlib"));
    const QString otherTeams = QDir(folder).filePath(QStringLiteral("unnamed_32.bin"));
    QVERIFY(TestSupport::writeFile(otherDb, other.database));
    QVERIFY(TestSupport::writeFile(otherTeams, Container::compress(other.teamFile).bytes));
    const auto before = snapshot(m_game->folder());
    const QStringList merge = paths({"merge", "{db}", "{teams}", otherDb, otherTeams});

    const Run refused = cli(merge);
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.startsWith(
                 QStringLiteral("Bulgaria (team ID %1), slot 0: ").arg(S::teams().at(2).id)),
             qPrintable(refused.err));
    QVERIFY(refused.err.endsWith(QStringLiteral("Nothing was written; --skip-refused writes the "
                                                "rest.\n")));
    const Run dryRun = cli(merge + QStringList{"--skip-refused", "--dry-run"});
    QCOMPARE(dryRun.exitCode, 0);
    QVERIFY2(dryRun.out.contains(
                 QStringLiteral("11 %1 %2: speed ").arg(S::playerId(11)).arg(S::playerName(11))),
             qPrintable(dryRun.out));
    QVERIFY(dryRun.out.contains(QStringLiteral("1 101 Belgium: name Belgium -> Belgique\n")));
    QVERIFY(dryRun.out.contains(
        QStringLiteral("player ID 999999 %1: not in this database\n").arg(S::playerName(20))));
    QVERIFY(dryRun.out.contains(QStringLiteral(
        "3 players, 1 squad, 1 team name will change\ndry run: nothing was written\n")));
    QCOMPARE(snapshot(m_game->folder()), before);

    const Run done = cli(merge + QStringList{"--skip-refused"});
    QCOMPARE(done.exitCode, 0);
    QCOMPARE(Backups::list(m_game->database()).size(), size_t(1));
    QCOMPARE(Backups::list(m_game->teamFile()).size(), size_t(1));
    QCOMPARE(unpacked(m_game->teamFile()), other.teamFile);
    const QByteArray after = unpacked(m_game->database());
    QCOMPARE(uchar(after[L::nameOffset(11) + 76]) & 0x7F, 41);
    QCOMPARE(after.mid(RosterLayout::recordStart(0), 164),
             other.database.mid(RosterLayout::recordStart(0), 164));
    QCOMPARE(TestSupport::readFile(otherDb), other.database); // the other files as they were
}

// Three imports that change the file, then ten that are refused once the player database was
// replaced and put back: the backups are the three files as they were before each import.
void TestCli::refusedImportsKeepTheDistinctBackups() {
    const QString teams =
        QDir(m_game->folder()).filePath(QString(246, u't') + QStringLiteral(".bin"));
    QVERIFY(QFile::copy(m_game->teamFile(), teams));
    QVERIFY(writeSheet("teams.csv", QStringLiteral("position,name\r\n0,Österreich\r\n")));
    QList<QByteArray> before;
    for (int attack = 71; attack <= 83; ++attack) {
        QVERIFY(writeSheet(
            "players.csv",
            QStringLiteral("index,id,attack\r\n42,%1,%2\r\n").arg(idOf(m_db, 42)).arg(attack)));
        const bool refused = attack > 73;
        const QByteArray now = TestSupport::readFile(m_game->database());
        const Run run =
            cli(paths(refused ? QStringList{"import", "{db}", teams, "--players",
                                            "{dir}/players.csv", "--teams", "{dir}/teams.csv"}
                              : QStringList{"import", "{db}", "--players", "{dir}/players.csv"}));
        QCOMPARE(run.exitCode, refused ? 1 : 0);
        if (!refused)
            before.prepend(now);
    }
    QList<QByteArray> kept;
    for (const Backups::Backup& backup : Backups::list(m_game->database()))
        kept << TestSupport::readFile(backup.path);
    QCOMPARE(kept.size(), 3);
    QVERIFY(kept == before);
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

// A transfer, a call-up and a free agent's signing, in the compressed player database or its
// working copy: the database then holds exactly the squads the rules make, squad shows them, and
// nothing else is written.
void TestCli::squadChangesAreWritten_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("workingCopies");
    QTest::addColumn<int>("player"); // his record
    QTest::addColumn<int>("from");   // the team he leaves (by list position); -1 for none
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("number"); // the shirt number he gets
    QTest::addColumn<QString>("says");
    const auto team = [](int j) { return S::teams().at(j).name; };

    const int moved = S::teams().at(0).players[0];
    const int number = numberIn(rosterOf(1), S::teams().at(0).shirtNumbers[0]);
    const QString transfer = QStringLiteral("%1: %2 -> %3, shirt number %4")
                                 .arg(named(moved), team(0), team(1), QString::number(number));
    const QStringList options{"--player", playerId(moved), "--to", teamId(1)};
    QTest::newRow("transfer") << options << false << moved << 0 << 1 << number << transfer;
    QTest::newRow("dry run") << options + QStringList{"--dry-run"} << false << moved << 0 << 1
                             << number << transfer;

    // Called up from Austria with the highest number no one in the squad of team 2 wears.
    const int calledUp = S::teams().at(0).players[1];
    int free = 99;
    while (worn(rosterOf(2), free))
        --free;
    QTest::newRow("call-up in working copies")
        << QStringList{"--player", playerId(calledUp),    "--from",   teamId(0), "--to", teamId(2),
                       "--number", QString::number(free), "--call-up"}
        << true << calledUp << -1 << 2 << free
        << QStringLiteral("%1: called up from %2 to %3, shirt number %4")
               .arg(named(calledUp), team(0), team(2), QString::number(free));

    int freeAgent = 0;
    const auto inASquad = [](int player) {
        return std::any_of(S::teams().begin(), S::teams().end(),
                           [&](const S::Team& listed) { return listed.players.contains(player); });
    };
    while (inASquad(freeAgent))
        ++freeAgent;
    QTest::newRow("free agent") << QStringList{"--player", playerId(freeAgent), "--to", teamId(3)}
                                << false << freeAgent << -1 << 3 << numberIn(rosterOf(3), 0)
                                << QStringLiteral("%1: free agent -> %2, shirt number %3")
                                       .arg(named(freeAgent), team(3),
                                            QString::number(numberIn(rosterOf(3), 0)));
}

void TestCli::squadChangesAreWritten() {
    QFETCH(QStringList, options);
    QFETCH(bool, workingCopies);
    QFETCH(int, player);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, number);
    QFETCH(QString, says);
    QString db = m_game->database();
    QString teams = m_game->teamFile();
    if (workingCopies) {
        db = m_game->databaseWorkingCopy();
        teams = m_game->teamWorkingCopy();
        QVERIFY(TestSupport::writeFile(db, m_db) &&
                TestSupport::writeFile(teams, unpacked(m_game->teamFile())));
    }
    const auto before = snapshot(m_game->folder());
    const Run run = cli(QStringList{"transfer", db, teams} + options);
    QCOMPARE(run.exitCode, 0);
    if (options.contains(QStringLiteral("--dry-run"))) {
        QCOMPARE(run.out, says + QStringLiteral("\ndry run: nothing was written\n"));
        QCOMPARE(snapshot(m_game->folder()), before);
        QVERIFY(Backups::list(db).empty());
        return;
    }
    const std::vector<Backups::Backup> backups = Backups::list(db);
    QCOMPARE(backups.size(), size_t(1));
    QCOMPARE(TestSupport::readFile(backups.front().path), before.value(QFileInfo(db).fileName()));
    QCOMPARE(run.out, QStringLiteral("%1\nwrote %2 (the file as it was: %3)\n")
                          .arg(says, db, QDir::toNativeSeparators(backups.front().path)));
    auto after = snapshot(m_game->folder());
    QVERIFY(after.remove(QFileInfo(db).fileName()) == 1);
    auto unchanged = before;
    unchanged.remove(QFileInfo(db).fileName());
    QCOMPARE(after, unchanged); // the team file above all

    QByteArray expected = m_db;
    Roster joined = rosterOf(to);
    joined.append({player, number});
    putRoster(expected, to, joined);
    if (from >= 0) {
        Roster left = rosterOf(from);
        left.removeIf([&](const auto& slot) { return slot.first == player; });
        putRoster(expected, from, left);
    }
    QVERIFY(expected != m_db);
    const QByteArray saved = workingCopies ? TestSupport::readFile(db) : unpacked(db);
    QCOMPARE(saved.size(), expected.size());
    const auto differs = std::mismatch(saved.begin(), saved.end(), expected.begin()).first;
    QVERIFY2(differs == saved.end(),
             qPrintable(QStringLiteral("byte %1 differs").arg(differs - saved.begin())));

    QString shown = QStringLiteral("%1 (team ID %2): %3 players\n")
                        .arg(S::teams().at(to).name, teamId(to), QString::number(joined.size()));
    for (int s = 0; s < joined.size(); ++s)
        shown += QStringLiteral("%1\t%2\t%3\t%4\n")
                     .arg(QString::number(s), QString::number(joined[s].second),
                          playerId(joined[s].first), S::playerName(joined[s].first));
    const Run squad = cli({QStringLiteral("squad"), db, teams, teamId(to)});
    QCOMPARE(squad.exitCode, 0);
    QCOMPARE(squad.out, shown);

    // The comparison with the file as it was names the change in words (a working copy's backup
    // is read as a game file by its name, so the compressed rows show it).
    if (workingCopies)
        return;
    const Run diff = cli({QStringLiteral("diff"), backups.front().path, db, teams, teams});
    QCOMPARE(diff.exitCode, 1);
    QVERIFY2(diff.out.contains(QStringLiteral("%1: slot %2 empty -> %3 (%4)\n")
                                   .arg(S::teams().at(to).name)
                                   .arg(joined.size() - 1)
                                   .arg(S::playerName(player))
                                   .arg(number)),
             qPrintable(diff.out));
    if (from >= 0 && !options.contains(QStringLiteral("--call-up")))
        QVERIFY2(diff.out.contains(QStringLiteral("%1: %2 -> %3\n")
                                       .arg(S::playerName(player), S::teams().at(from).name,
                                            S::teams().at(to).name)),
                 qPrintable(diff.out));
}

// Two players of Austria with one shirt number, written into the working copy.
void TestCli::checkNamesADamagedRoster() {
    const S::Team& austria = S::teams().at(0);
    QByteArray db = m_db;
    db[RosterLayout::recordStart(0) + RosterLayout::shirtNumbers + 1] =
        char(austria.shirtNumbers[0]);
    QVERIFY(TestSupport::writeFile(m_game->databaseWorkingCopy(), db));
    const auto before = snapshot(m_game->folder());
    const Run run =
        cli({QStringLiteral("check"), m_game->databaseWorkingCopy(), m_game->teamFile()});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out,
             QStringLiteral("%1: shirt number %2 is worn by %3 (slot 0) and %4 (slot 1).\n")
                 .arg(austria.name, QString::number(austria.shirtNumbers[0]),
                      S::playerName(austria.players[0]), S::playerName(austria.players[1])));
    QCOMPARE(snapshot(m_game->folder()), before);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
