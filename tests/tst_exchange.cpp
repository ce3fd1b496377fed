// The spreadsheet round trip and the comparison of two databases: an untouched sheet changes no
// byte, an edited cell writes what the editor's buttons write, every refusal writes nothing.
#include "exchange/databasediff.h"
#include "exchange/playersheet.h"
#include "exchange/rostersheet.h"
#include "exchange/sheetkind.h"
#include "exchange/teamsheet.h"
#include "player/playerrecord.h"
#include "sheetformats/csvreader.h"
#include "tools/samplebuilder.h"

#include <QSet>
#include <QTest>
#include <QtEndian>

namespace {

namespace L = PlayerLayout;

// Bytes at an offset from a record's name offset N.
struct NBytes {
    qint64 fromN;
    QByteArray bytes;
};
using Edits = QList<NBytes>;

NBytes at(qint64 fromN, std::initializer_list<int> bytes) {
    QByteArray b;
    for (const int byte : bytes)
        b.append(char(byte));
    return {fromN, b};
}

NBytes text(qint64 fromN, const QByteArray& bytes, int width) {
    return {fromN, bytes + QByteArray(width - bytes.size(), '\0')};
}

QByteArray applied(QByteArray file, const std::vector<Patch>& patches) {
    for (const Patch& p : patches)
        file.replace(p.offset, p.bytes.size(), p.bytes);
    return file;
}

QByteArray applied(QByteArray file, int player, const Edits& edits) {
    for (const NBytes& e : edits)
        file.replace(L::nameOffset(player) + e.fromN, e.bytes.size(), e.bytes);
    return file;
}

qint32 idOf(const QByteArray& db, int player) {
    return qFromLittleEndian<qint32>(db.constData() + L::recordStart(player));
}

// A sheet from lines, with CRLF line ends; "$ID" stands for the record's ID in `db`.
QByteArray sheet(const QStringList& lines, const QByteArray& db, int player) {
    QString text = lines.join(QStringLiteral("\r\n"));
    text.replace(QStringLiteral("$ID"), QString::number(idOf(db, player)));
    return text.toUtf8();
}

// The record the edit cases start from: a CB with every ability 50 and Stamina flagged (so SB
// is checked), no special abilities, slot 29 at 10, slot 30 at 20, a flagged weight of 72, foot
// byte 16 and the raw word 4D82.
constexpr int player = 42;
const Edits startingRecord{
    at(L::positionCode, {48}),
    {L::abilityBlock, QByteArray(26, char(50))},
    at(L::abilityBlock + 3, {50 + 128}),
    at(L::abilityBlock + 28, {0, 10, 20}),
    at(L::weight, {200}),
    at(L::foot, {16}),
    at(L::rawWord, {0x82, 0x4D, 100, 0, 200, 0}), // face 358, hair 4032
};

} // namespace

Q_DECLARE_METATYPE(NBytes)
Q_DECLARE_METATYPE(Edits)

class TestExchange : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void untouchedSheetsChangeNothing_data();
    void untouchedSheetsChangeNothing();
    void editedCellWritesWhatTheButtonsWrite_data();
    void editedCellWritesWhatTheButtonsWrite();
    void sheetFormsReadTheSame_data();
    void sheetFormsReadTheSame();
    void refusalsWriteNothing_data();
    void refusalsWriteNothing();
    void wholeSheetRefusals();
    void everyRefusedCellOfARowIsNamed();
    void teamRenames_data();
    void teamRenames();
    void rosterSheetFollowsTheTeamView();
    void diffListsTheImportsChanges();

private:
    QByteArray m_db;
    QByteArray m_teams;
};

void TestExchange::initTestCase() {
    m_db = SampleBuilder::playerDatabase();
    m_teams = SampleBuilder::teamFile();
}

// ---- Untouched round trip ----

void TestExchange::untouchedSheetsChangeNothing_data() {
    QTest::addColumn<int>("record");
    QTest::addColumn<Edits>("oddBytes");
    const auto row = [](const char* name, int record, const Edits& edits) {
        QTest::newRow(name) << record << edits;
    };
    row("sample as built", 0, {});
    row("ability bytes 100-127", 42, {at(L::abilityBlock, {100, 127, 113})});
    row("foot byte 26", 42, {at(L::foot, {26})});
    row("position code 255", 42, {at(L::positionCode, {255})});
    row("46-character name", SampleBuilder::fullWidthNamePlayer, {});
    row("accented name", SampleBuilder::accentedNamePlayer, {});
    row("slot 13 flag, bit 7 of the special byte clear", 42,
        {at(L::abilityBlock + 13, {190}), at(L::abilityBlock + 28, {5})});
    row("long throw byte 100-127", 42, {at(L::abilityBlock + 30, {110})});
    row("name with comma, quotes and a line break", 42, {text(0, "A, \"B\"\nC;D ", 46)});
    row("shirt name running into the next fields", 42,
        {at(L::shirtName, {'X', 'Y'}), text(L::shirtName, QByteArray(16, 'S'), 16),
         at(62, {'T', 'U', 5})});
}

void TestExchange::untouchedSheetsChangeNothing() {
    QFETCH(int, record);
    QFETCH(Edits, oddBytes);
    const QByteArray db = applied(m_db, record, oddBytes);
    const ImportPlan players = PlayerSheet::plan(db, PlayerSheet::write(db));
    QVERIFY2(players.ok(), qPrintable(players.errors.join(u'\n')));
    QVERIFY(players.patches.empty());
    QCOMPARE(players.changes, QStringList());
    QCOMPARE(players.notes, QStringList());
    const ImportPlan teams = TeamSheet::plan(m_teams, TeamSheet::write(m_teams));
    QVERIFY2(teams.ok() && teams.patches.empty(), qPrintable(teams.errors.join(u'\n')));
}

// ---- Each kind of column, edited ----

void TestExchange::editedCellWritesWhatTheButtonsWrite_data() {
    QTest::addColumn<Edits>("stored"); // on top of startingRecord
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QString>("cells");
    QTest::addColumn<Edits>("written");
    QTest::addColumn<QString>("note");
    const auto row = [](const char* name, const QString& columns, const QString& cells,
                        const Edits& written, const Edits& stored = {}, const QString& note = {}) {
        QTest::newRow(name) << stored << columns << cells << written << note;
    };
    row("name", "name", "Ab Cd", {text(0, "Ab Cd", 46)});
    row("shirt name", "shirt_name", "XY", {text(46, "XY", 16)});
    row("age", "age", "20", {at(168, {37})});
    row("height", "height", "180", {at(110, {32})});
    row("weight keeps its flag", "weight", "75", {at(111, {203})});
    row("foot keeps bits 1-7", "foot", "Left", {at(66, {17})});
    row("spacing", "spacing", "1", {at(64, {0})});
    // The row is what the controls hold in the end: the new position's box stays as the row
    // has it (the view checks it anyway), the old position's box keeps being checked.
    const QString dmfShown = QStringLiteral("dmf shows 1, not 0: the view checks the box");
    row("position: the old one keeps its box", "position", "DMF", {at(67, {81}), at(74, {178})}, {},
        dmfShown);
    row("position moving leaves 1-On-1 Stopper of the special byte alone", "position", "DMF",
        {at(67, {81}), at(74, {178})}, {at(100, {128})}, dmfShown);
    row("position with its box set in the row", "position,dmf", "DMF,1",
        {at(67, {81}), at(74, {178}), at(76, {178})});
    row("position whose box is checked", "position", "SB", {at(67, {65}), at(74, {178})});
    row("position with its box cleared: the flag goes, the view still checks the box",
        "position,sb", "sb,0", {at(67, {65}), at(74, {178}), at(75, {50})}, {},
        "sb shows 1, not 0: the view checks the box of the registered position.");
    row("position code selecting an entry", "position", "64", {at(67, {65}), at(74, {178})});
    row("unknown position code", "position", "7", {at(67, {7})}, {at(67, {255})});
    row("ability with its flag", "attack,gk", "85,1", {at(72, {213})});
    row("ability keeps the flag shown", "stamina", "60", {at(75, {188})});
    row("playable position box", "wb", "1", {at(77, {178})});
    row("special ability", "marking", "1", {at(100, {4})});
    row("1-On-1 Stopper is slot 13's flag and bit 7", "one_on_one_stopper", "1",
        {at(85, {178}), at(100, {128})});
    row("special byte is the sum of its boxes", "marking", "1", {at(100, {132})}, {at(85, {178})});
    row("penalty stopper also sets slot 29", "penalty_stopper", "1",
        {at(100, {64}), at(101, {74})});
    row("long throw", "long_throw", "1", {at(102, {148})});
    row("long throw 100-127 cannot be cleared", "long_throw", "0", {}, {at(102, {110})},
        "long_throw shows 1, not 0");
    row("face alone relinks, the hair stays as the row has it", "face", "300",
        {at(112, {0x81, 0x2D}), at(114, {42, 0})});
    row("hair alone", "hair", "4000", {at(112, {0x81, 0x2D}), at(116, {168, 0})});
    row("face with its hair edited: the hair wins", "face,hair", "300,5000",
        {at(112, {0x81, 0x2D}), at(114, {42, 0}), at(116, {0x90, 0x04})});
    row("cells as shown write nothing", "attack,foot,position,sb,face", "50,right,cb,1,358", {});
}

void TestExchange::editedCellWritesWhatTheButtonsWrite() {
    QFETCH(Edits, stored);
    QFETCH(QString, columns);
    QFETCH(QString, cells);
    QFETCH(Edits, written);
    QFETCH(QString, note);
    const QByteArray db = applied(applied(m_db, player, startingRecord), player, stored);
    const QByteArray csv = sheet(
        {QStringLiteral("index,id,") + columns, QStringLiteral("42,$ID,") + cells}, db, player);
    const ImportPlan plan = PlayerSheet::plan(db, csv);
    QVERIFY2(plan.ok(), qPrintable(plan.errors.join(u'\n')));
    const QByteArray after = applied(db, plan.patches);
    const QByteArray expected = applied(db, player, written);
    QCOMPARE(after.mid(L::recordStart(player), L::recordSize).toHex(' '),
             expected.mid(L::recordStart(player), L::recordSize).toHex(' '));
    QVERIFY(after == expected); // nothing outside the record either
    QCOMPARE(plan.recordCount, written.isEmpty() ? 0 : 1);
    // The comparison of the two databases lists the same changes, bytes no field shows included.
    QCOMPARE(DatabaseDiff::players(db, after).lines, plan.changes);
    QCOMPARE(plan.notes.join(u'\n').contains(note), true);
    QVERIFY2(plan.notes.isEmpty() == note.isEmpty(), qPrintable(plan.notes.join(u'\n')));
    // The same sheet imported again writes nothing new.
    QVERIFY(applied(after, PlayerSheet::plan(after, csv).patches) == after);
}

// ---- The same edits in every form a spreadsheet program may save ----

// Record 42's attack becomes 77 (its flag kept) and record 7 gets a name with a comma, quotes and
// a line break, in sheets that differ in everything but their content.
void TestExchange::sheetFormsReadTheSame_data() {
    QTest::addColumn<QByteArray>("csv");
    const QByteArray db = m_db;
    const int attack42 = 77 | (uchar(db[L::nameOffset(42) + 72]) & 128);
    const QByteArray edited = applied(applied(db, 7, {text(0, "Z\xE9, \"Pel\xE9\"\r\nJr", 46)}), 42,
                                      {at(72, {attack42})});
    QTest::newRow("whole sheet of the edited database") << PlayerSheet::write(edited);

    struct Row {
        QString index, id, name, attack;
    };
    const QList<Row> rows{
        {"7", QString::number(idOf(db, 7)), "\"Zé, \"\"Pelé\"\"\r\nJr\"",
         QString::number(uchar(db[L::nameOffset(7) + 72]) & 127)},
        {"42", QString::number(idOf(db, 42)), SampleBuilder::playerName(42), "77"},
    };
    const auto form = [&](const char* name, QChar delimiter, const QString& lineEnd,
                          const QByteArray& start, bool backwards, const QString& header,
                          bool lastLineEnds = true) {
        QStringList lines{header};
        for (const Row& r : rows) {
            const QString line = QStringList{r.name, r.attack, r.id, r.index}.join(delimiter);
            if (backwards)
                lines.insert(1, line);
            else
                lines.append(line);
        }
        const QString end = lastLineEnds ? lineEnd : QString();
        QTest::newRow(name) << start + (lines.join(lineEnd) + end).toUtf8();
    };
    form("semicolons, LF, no byte-order mark, rows backwards", u';', "\n", {}, true,
         "name;attack;id;index");
    form("byte-order mark, quoted header, CRLF, blank rows", u',', "\r\n\r\n", "\xEF\xBB\xBF",
         false, "\"name\",\"attack\",\"id\",\"index\"");
    form("header in capitals with blanks, no line end after the last row", u',', "\r\n", {}, false,
         " NAME , Attack,id,INDEX", false);
}

void TestExchange::sheetFormsReadTheSame() {
    QFETCH(QByteArray, csv);
    const int attack42 = 77 | (uchar(m_db[L::nameOffset(42) + 72]) & 128);
    const QByteArray edited = applied(applied(m_db, 7, {text(0, "Z\xE9, \"Pel\xE9\"\r\nJr", 46)}),
                                      42, {at(72, {attack42})});
    QCOMPARE(sheetKindOf(CsvReader::parse(csv)), SheetKind::Players);
    const ImportPlan plan = PlayerSheet::plan(m_db, csv);
    QVERIFY2(plan.ok(), qPrintable(plan.errors.join(u'\n')));
    QCOMPARE(plan.recordCount, 2);
    QCOMPARE(plan.fieldCount, 2);
    QVERIFY(applied(m_db, plan.patches) == edited);
}

// ---- Refusals ----

// Nothing at all is written. The sheets of the columns index, id and name also hold a valid change
// of record 43 beside what is refused.
void TestExchange::refusalsWriteNothing_data() {
    QTest::addColumn<QStringList>("lines"); // "$ID" is record 42's ID
    QTest::addColumn<QString>("error");
    const QString valid = QStringLiteral("43,%1,Valid Change").arg(idOf(m_db, 43));
    const auto row = [&](const char* name, const QString& columns, const QStringList& rows,
                         const char* error) {
        QStringList lines{columns};
        if (columns == QStringLiteral("index,id,name"))
            lines << valid;
        QTest::newRow(name) << lines + rows << QString::fromUtf8(error);
    };
    row("unknown column", "index,id,name,agee", {"42,$ID,x,20"}, "row 1, column agee: unknown");
    row("column named twice", "index,id,name,NAME", {}, "row 1, column NAME: the column is named");
    row("id column missing", "index,name", {}, "row 1: the column id is missing");
    row("index out of range", "index,id,name", {"6665,1,x"}, "row 3, column index");
    row("same record twice", "index,id,name", {"42,$ID,x", "42,$ID,y"},
        "row 4, column index: record 42 is on row 3");
    row("ID of another record", "index,id,name", {"42,1,x"}, "row 3, column id: the ID of record");
    row("fewer cells than the header", "index,id,name,age", {"42,$ID"},
        "row 2: the row has 2 cells, the header 4.");
    row("age out of range", "index,id,name,age", {"42,$ID,x,300"},
        "row 2, column age: enter a number from -17 to 238.");
    row("ability over 127", "index,id,name,attack", {"42,$ID,x,128"},
        "row 2, column attack: enter a number from 0 to 127.");
    row("height not a whole number", "index,id,name,height", {"42,$ID,x,180.5"},
        "row 2, column height");
    row("age with two signs", "index,id,name,age", {"42,$ID,x,+-5"},
        "row 2, column age: enter a number from -17 to 238.");
    row("flag neither 0 nor 1", "index,id,name,gk", {"42,$ID,x,2"}, "row 2, column gk: enter 1");
    row("foot emptied", "index,id,name,foot", {"42,$ID,x,"}, "row 2, column foot: enter Right or");
    row("unknown position", "index,id,name,position", {"42,$ID,x,XX"},
        "row 2, column position: enter a position (GK, SWP,");
    row("face out of range", "index,id,name,face", {"42,$ID,x,40000"},
        "row 2, column face: enter a file number from -32510 to 33025.");
    row("name outside the code page", "index,id,name", {"42,$ID,Łukasz"},
        "row 3, column name: these characters cannot be stored in the game: Ł");
    row("name of 47 characters", "index,id,name", {"42,$ID," + QString(47, u'n')},
        "row 3, column name: at most 46 characters.");
    row("shirt name of 17 characters", "index,id,name,shirt_name",
        {"42,$ID,x," + QString(17, u's')}, "row 2, column shirt_name: at most 16 characters.");
    row("record under the roster table", "index,id,name",
        {QStringLiteral("6500,%1,x").arg(idOf(m_db, 6500))},
        "row 3, column index: This entry lies inside the team roster table");
    row("unclosed quote", "index,id,name", {"42,$ID,\"abc"}, "row 3: a quoted cell is not closed");
    row("quote inside an unquoted cell", "index,id,name", {"42,$ID,ab\"c"},
        "row 3: a quote in the wrong place");
    row("NUL byte in a cell", "index,id,name", {QStringLiteral("42,$ID,a") + QChar(0) + u'b'},
        "it is not a text sheet: it looks like binary data (a NUL byte");
    row("rows counted as a spreadsheet counts them", "index,id,name,age",
        {QStringLiteral("7,%1,\"two\r\nlines\",20").arg(idOf(m_db, 7)), "", "42,$ID,x,300"},
        "row 4, column age");
    row("empty sheet", "", {}, "row 1: the sheet is empty");
}

void TestExchange::refusalsWriteNothing() {
    QFETCH(QStringList, lines);
    QFETCH(QString, error);
    const ImportPlan plan = PlayerSheet::plan(m_db, sheet(lines, m_db, 42));
    QVERIFY(!plan.ok());
    QVERIFY2(plan.errors.first().startsWith(error), qPrintable(plan.errors.join(u'\n')));
    QVERIFY(plan.patches.empty());
    QVERIFY(plan.changes.isEmpty());
}

// A cell the sheet cannot read and cells the write rules refuse, in one row: all are named.
void TestExchange::everyRefusedCellOfARowIsNamed() {
    const ImportPlan plan = PlayerSheet::plan(
        m_db, sheet({"index,id,name,shirt_name,age",
                     "42,$ID," + QString(47, u'n') + ",Łódź," + QStringLiteral("300")},
                    m_db, 42));
    QCOMPARE(plan.errors,
             (QStringList{"row 2, column age: enter a number from -17 to 238.",
                          "row 2, column name: at most 46 characters.",
                          "row 2, column shirt_name: these characters cannot be stored in the "
                          "game: Łź"}));
    QVERIFY(plan.patches.empty());
}

void TestExchange::wholeSheetRefusals() {
    QStringList lines{QStringLiteral("index,id,age")};
    for (int i = 0; i < 25; ++i)
        lines << QStringLiteral("%1,%2,999").arg(i).arg(idOf(m_db, i));
    const ImportPlan plan = PlayerSheet::plan(m_db, sheet(lines, m_db, 0));
    QCOMPARE(plan.errors.size(), 21);
    QCOMPARE(plan.errors.at(19),
             QStringLiteral("row 21, column age: enter a number from -17 to 238."));
    QCOMPARE(plan.errors.last(), QStringLiteral("… and 5 more"));
    QCOMPARE(PlayerSheet::plan(m_db.left(1000), sheet(lines, m_db, 0)).errors.first().left(36),
             QStringLiteral("The player database is too short: it"));
    const QByteArray utf16("\xFF\xFEi\0n\0d\0e\0x\0", 12);
    QCOMPARE(PlayerSheet::plan(m_db, utf16).errors,
             QStringList("row 1: the column id is missing; the sheet needs it to match its rows."));
}

// ---- Team names ----

// Team 0 is Austria (ID 100, short name AUT), whose name entry starts at byte 80.
void TestExchange::teamRenames_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("cutShortNames"); // the last short-name entry becomes "DMY"
    QTest::addColumn<Edits>("written");      // absolute offsets
    QTest::addColumn<QString>("error");
    Edits nameSlots;
    for (const int at : {80, 150, 220, 290, 360, 570, 640, 710, 780, 850, 1060, 1130})
        nameSlots << text(at, "New Name", 70);
    const auto row = [](const char* name, const QStringList& lines, const Edits& written,
                        const char* error = "", bool cut = false) {
        QTest::newRow(name) << lines << cut << written << QString::fromUtf8(error);
    };
    row("name only", {"position,name", "0,New Name"}, nameSlots);
    row("short name only", {"position,short_name", "0,XYZ"},
        {text(1200, "XYZ", 3), text(1448, "XYZ", 3)});
    row("both, team ID as shown", {"position,name,short_name,team_id", "0,New Name,XY,100"},
        nameSlots + Edits{text(1200, "XY", 3), text(1448, "XY", 3)});
    row("as shown", {"team_id,short_name,name,position", "100,AUT,Austria,0"}, {});
    row("changed team ID", {"position,team_id", "0,101"}, {},
        "row 2, column team_id: team IDs are not edited here; the team's is 100.");
    row("name of 71 characters", {"position,name", "0," + QString(71, u'A')}, {},
        "row 2, column name: may have at most 70 characters.");
    row("position out of range", {"position,name", "197,x"}, {},
        "row 2, column position: enter a team position from 0 to 196.");
    row("team past the end of the short names", {"position,short_name,team_id", "196,ABC,"}, {},
        "row 2, column short_name: the team is listed past the end of the short names", true);
}

void TestExchange::teamRenames() {
    QFETCH(QStringList, lines);
    QFETCH(bool, cutShortNames);
    QFETCH(Edits, written);
    QFETCH(QString, error);
    QByteArray teams = m_teams;
    if (cutShortNames)
        teams.replace(TeamNameLayout::shortNameOffset(199), 3, "DMY");
    const QByteArray csv = lines.join(QStringLiteral("\r\n")).toUtf8();
    QCOMPARE(sheetKindOf(CsvReader::parse(csv)), SheetKind::Teams);
    const ImportPlan plan = TeamSheet::plan(teams, csv);
    QCOMPARE(plan.errors.value(0).left(error.size()), error);
    QByteArray expected = teams;
    for (const NBytes& e : written)
        expected.replace(e.fromN, e.bytes.size(), e.bytes);
    QVERIFY(applied(teams, plan.patches) == expected);
    // The changes are listed as the comparison will list them.
    QCOMPARE(plan.changes, DatabaseDiff::teams(teams, expected).lines);
}

// ---- Rosters ----

void TestExchange::rosterSheetFollowsTheTeamView() {
    const QList<SampleBuilder::Team>& teams = SampleBuilder::teams();
    const int first = teams[0].players[0];
    // An earlier record in no roster gets the ID of team 0's first player: the roster names the
    // first list position with the ID.
    QSet<int> rostered;
    for (const SampleBuilder::Team& team : teams)
        rostered.unite(QSet<int>(team.players.begin(), team.players.end()));
    int earlier = 0;
    while (rostered.contains(earlier))
        ++earlier;
    QVERIFY(earlier < first);
    QByteArray db = m_db;
    qToLittleEndian<qint32>(idOf(db, first), db.data() + L::recordStart(earlier));
    QByteArray teamFile = m_teams; // the last listed team loses its team ID
    teamFile.replace(TeamNameLayout::shortNameOffset(199), 3, "DMY");

    const QList<QByteArray> rows = RosterSheet::write(db, teamFile).split('\n');
    QCOMPARE(rows.first(), QByteArray("\xEF\xBB\xBFteam_id,team_name,slot,player_id,player_name,"
                                      "shirt_number\r"));
    QCOMPARE(rows.at(1), QStringLiteral("100,Austria,0,%1,%2,%3\r")
                             .arg(idOf(db, first))
                             .arg(SampleBuilder::playerName(earlier))
                             .arg(teams[0].shirtNumbers[0])
                             .toUtf8());
    qsizetype expectedRows = 0;
    for (qsizetype j = 0; j + 1 < teams.size(); ++j)
        expectedRows += teams[j].players.size();
    QCOMPARE(rows.size() - 2, expectedRows); // less the header and the empty end
    QCOMPARE(teams[SampleBuilder::fullRosterTeam].players.size(), 32);
    QCOMPARE(teams[SampleBuilder::roster25Team].players.size(), 25);
}

// ---- Comparing two databases ----

void TestExchange::diffListsTheImportsChanges() {
    const QByteArray csv = sheet({"index,id,name,attack,gk,face", "10,$ID,New Name,80,1,300",
                                  QStringLiteral("42,%1,%2,11,0,1000")
                                      .arg(idOf(m_db, 42))
                                      .arg(SampleBuilder::playerName(42))},
                                 m_db, 10);
    const ImportPlan plan = PlayerSheet::plan(m_db, csv);
    QVERIFY2(plan.ok(), qPrintable(plan.errors.join(u'\n')));
    QByteArray after = applied(m_db, plan.patches);
    DatabaseDiff::Result diff = DatabaseDiff::players(m_db, after);
    QCOMPARE(diff.lines, plan.changes);
    QCOMPARE(diff.fieldCount, plan.fieldCount);
    QCOMPARE(diff.recordCount, 2);

    // Bytes outside every field: in a record, before the records, and a longer file.
    after[L::recordStart(10) + 5] = char(after[L::recordStart(10) + 5] ^ 0x0F);
    after[0] = char(after[0] ^ 1);
    after.append("xy");
    diff = DatabaseDiff::players(m_db, after);
    const QString byteLine =
        QStringLiteral("10 %1 %2: byte 5 %3 -> %4")
            .arg(idOf(m_db, 10))
            .arg(SampleBuilder::playerName(10))
            .arg(QString::fromLatin1(m_db.mid(L::recordStart(10) + 5, 1).toHex().toUpper()))
            .arg(QString::fromLatin1(after.mid(L::recordStart(10) + 5, 1).toHex().toUpper()));
    QVERIFY2(diff.lines.contains(byteLine), qPrintable(diff.lines.join(u'\n')));
    QCOMPARE(diff.lines.first().left(13), QStringLiteral("file: byte 0 ")); // before the records
    QCOMPARE(diff.lines.last(), QStringLiteral("file: size 1520000 -> 1520002"));

    const ImportPlan rename =
        TeamSheet::plan(m_teams, "position,name,short_name\r\n0,Österreich,OST");
    QVERIFY(rename.ok());
    QCOMPARE(DatabaseDiff::teams(m_teams, applied(m_teams, rename.patches)).lines,
             QStringList({QStringLiteral("0 100 Austria: name Austria -> Österreich"),
                          QStringLiteral("0 100 Austria: short_name AUT -> OST"),
                          QStringLiteral("0 100 Austria: name_entry_short_name AUT -> OST")}));
}

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
