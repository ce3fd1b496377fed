// The player table's rows and its filter language, without a window: each operator on numbers,
// texts and the squad columns, lists, quotes and folding, every refusal in words, the sort, and a
// write followed by re-reading only what it touched.
#include "playertable/playerfilter.h"
#include "playertable/playertabledata.h"
#include "playertable/tablecolumns.h"
#include "teamnames/teamnametable.h"
#include "tools/samplebuilder.h"

#include <QtTest>

#include <algorithm>
#include <set>

namespace {

namespace S = SampleBuilder;

// Record r starts at byte 32 + 228 r; from its start: the name at 50, the position code at 117,
// speed (ability slot 4) at 126, age (stored + 17) at 218.
QByteArray crafted() {
    QByteArray db = S::playerDatabase();
    const auto put = [&](int record, int at, int value) {
        db[32 + 228 * record + at] = char(value);
    };
    const int speeds[] = {95, 85, 84, 99, 40};
    const int positions[] = {192, 177, 176, 145, 8};
    const int ages[] = {20, 21, 33, 17, 40};
    for (int r = 0; r < 5; ++r) {
        put(r, 126, speeds[r]);
        put(r, 117, positions[r]);
        put(r, 218, ages[r] + 17);
    }
    return db;
}

QList<SquadTeam> sampleTeams() {
    const TeamNameLists lists = TeamNameTable::decode(S::teamFile());
    return SquadTeam::listed(lists.names, lists.teamIds);
}

} // namespace

class TestPlayerFilter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void filters_data();
    void filters();
    void refusals_data();
    void refusals();
    void squadColumnsFollowTheRosters();
    void sortIsStableAndNumeric();
    void writeRereadsWhatItTouched();

private:
    PlayerTableData m_data;
};

void TestPlayerFilter::initTestCase() {
    m_data.reset(crafted(), sampleTeams());
    QCOMPARE(m_data.rowCount(), 6450);
}

// Restricted to the five crafted records by index<5.
void TestPlayerFilter::filters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QList<int>>("records");
    const auto row = [](const char* filter, const QList<int>& records) {
        QTest::newRow(filter) << QString::fromUtf8(filter) << records;
    };
    row("index<5", {0, 1, 2, 3, 4});
    row("index<5 speed>=85", {0, 1, 3});
    row("index<5 speed>85", {0, 3});
    row("index<5 speed<=84", {2, 4});
    row("index<5 speed=84,99", {2, 3});
    row("index<5 speed!=84,99", {0, 1, 4});
    row("index<5 position=CF,SS", {0, 1, 2});
    row("index<5 position=cf", {0});
    row("index<5 position!=CF,SS", {3, 4});
    row("index<5 position~mf", {3});
    row("index<5 age<21", {0, 3});
    row("INDEX<5 AGE>=33", {2, 4});
    row("index<5 name~ÖZIL", {1});
    row("index<5 ozil", {1});
    row("index<5 \"mesut oz\"", {1});
    row("index<5 name=\"Mesut Özil\"", {1});
    row("index<5 name!=\"mesut özil\"", {0, 2, 3, 4});
}

void TestPlayerFilter::filters() {
    QFETCH(QString, filter);
    QFETCH(QList<int>, records);
    QString error;
    const auto parsed = PlayerFilter::parse(filter, &error);
    QVERIFY2(parsed, qPrintable(error));
    QList<int> matched;
    for (int row = 0; row < m_data.rowCount(); ++row)
        if (parsed->matches(m_data, row))
            matched << row;
    QCOMPARE(matched, records);
}

void TestPlayerFilter::refusals_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("error");
    const auto row = [](const char* filter, const char* error) {
        QTest::newRow(filter) << QString::fromUtf8(filter) << QString::fromUtf8(error);
    };
    row("sped>80", "sped>80: unknown column \"sped\" (speed?)");
    row("age<21 postion=CF", "postion=CF: unknown column \"postion\" (position?)");
    row("xyzzy=1", "xyzzy=1: unknown column \"xyzzy\"");
    row("speed>=", "speed>=: no value after \">=\"");
    row("speed>=fast", "speed>=fast: speed holds whole numbers, and \"fast\" is none");
    row("name<B", "name<B: name holds text: compare it with =, != or ~");
    row("speed>80,90", "speed>80,90: a list of values goes with =, != or ~ only");
    row("position=CF,", "position=CF,: a value of the list is empty");
    row("speed!80", "speed!80: \"!\" is no operator; use != for \"is not\"");
    row("teams~\"real madrid", "\"real madrid: a quote is not closed");
    row("speed >= 85", ">=: no column before \">=\"; a term has no blanks in it, as in speed>=85");
    row("=5", "=5: no column before \"=\"");
    row("speed~", "speed~: no value after \"~\"");
}

void TestPlayerFilter::refusals() {
    QFETCH(QString, filter);
    QFETCH(QString, error);
    QString said;
    QVERIFY(!PlayerFilter::parse(filter, &said));
    QCOMPARE(said, error);
}

// teams, numbers and squads as the sample's rosters have them: a club's squad, the national team
// that calls five of its players up, and the free agents.
void TestPlayerFilter::squadColumnsFollowTheRosters() {
    const S::Team& austria = S::teams().at(0);
    std::set<int> inSquads;
    for (const S::Team& team : S::teams())
        inSquads.insert(team.players.begin(), team.players.end());
    QString error;
    const auto count = [&](const QString& text) {
        const auto filter = PlayerFilter::parse(text, &error);
        int n = 0;
        for (int row = 0; filter && row < m_data.rowCount(); ++row)
            n += filter->matches(m_data, row) ? 1 : 0;
        return n;
    };
    QCOMPARE(count(QStringLiteral("teams=Austria")), int(austria.players.size()));
    QCOMPARE(count(QStringLiteral("teams=austria,\"Republic of Ireland\"")),
             int(austria.players.size() + S::teams().at(12).players.size()));
    QCOMPARE(count(QStringLiteral("squads=0")), 6450 - int(inSquads.size()));
    QCOMPARE(count(QStringLiteral("squads=2")),
             S::nationalTeamCount * S::calledUpPerNationalTeam + 1);
    QCOMPARE(count(QStringLiteral("squads=0 teams!=Austria")), 6450 - int(inSquads.size()));
    // The first player of Austria: his shirt number and the squads he is in.
    const int first = austria.players.first();
    const int number = austria.shirtNumbers[0];
    QVERIFY(m_data.teams(first).contains(QStringLiteral("Austria")));
    QVERIFY(m_data.shirtNumbers(first).contains(number));
    const auto filter =
        PlayerFilter::parse(QStringLiteral("teams=Austria numbers=%1").arg(number), &error);
    QVERIFY(filter && filter->matches(m_data, first));
    QCOMPARE(m_data.text(first, TableColumns::find(QStringLiteral("squads"))),
             QString::number(m_data.teams(first).size()));
}

// Numbers sort as numbers; a sort keeps the order of the sort before among equal values, so
// sorting by age and then by position orders by position, and by age within each.
void TestPlayerFilter::sortIsStableAndNumeric() {
    std::vector<int> rows(6450);
    std::iota(rows.begin(), rows.end(), 0);
    const int age = TableColumns::find(QStringLiteral("age"));
    const int position = TableColumns::find(QStringLiteral("position"));
    const int height = TableColumns::find(QStringLiteral("height"));
    m_data.sort(rows, height, true);
    for (size_t i = 1; i < rows.size(); ++i)
        QVERIFY(uchar(m_data.database()[32 + 228 * rows[i - 1] + 160]) >=
                uchar(m_data.database()[32 + 228 * rows[i] + 160]));
    m_data.sort(rows, age, false);
    m_data.sort(rows, position, false);
    for (size_t i = 1; i < rows.size(); ++i) {
        const ShownPlayer& a = m_data.player(rows[i - 1]);
        const ShownPlayer& b = m_data.player(rows[i]);
        const int entryA = a.positionEntry < 0 ? 12 + a.positionCode : a.positionEntry;
        const int entryB = b.positionEntry < 0 ? 12 + b.positionCode : b.positionEntry;
        QVERIFY(entryA <= entryB);
        if (entryA == entryB)
            QVERIFY2(a.age <= b.age,
                     qPrintable(QStringLiteral("records %1 and %2").arg(rows[i - 1]).arg(rows[i])));
    }
}

void TestPlayerFilter::writeRereadsWhatItTouched() {
    PlayerTableData data;
    data.reset(crafted(), sampleTeams());
    const int speed = TableColumns::find(QStringLiteral("speed"));
    QCOMPARE(data.text(3, speed), QStringLiteral("99"));
    // Record 3's speed and a slot of the first roster record (Austria's): the rows of both.
    const S::Team& austria = S::teams().at(0);
    const qint64 rosterStart = 1470676;
    std::vector<Patch> written{{32 + 228 * 3 + 126, QByteArray(1, char(61))},
                               {rosterStart + 4, QByteArray(4, '\0')}};
    std::vector<int> changed = data.written(written);
    QCOMPARE(data.text(3, speed), QStringLiteral("61"));
    QVERIFY(std::find(changed.begin(), changed.end(), 3) != changed.end());
    QVERIFY(std::find(changed.begin(), changed.end(), austria.players.first()) != changed.end());
    QVERIFY(!data.teams(austria.players.first()).contains(QStringLiteral("Austria")));
    QCOMPARE(changed.size(), size_t(2));
}

QTEST_GUILESS_MAIN(TestPlayerFilter)
#include "tst_playerfilter.moc"
