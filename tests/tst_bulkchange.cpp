// Many players changed at once and cells pasted into the player table, without a window: each
// kind of change on each kind of column, the clamping and what it counts, a stored 120 left
// alone, the flag bit kept, the records under the roster table untouched, and the bytes of each
// change equal to those a sheet import of the same values writes.
#include "exchange/bulkchange.h"
#include "exchange/playercolumns.h"
#include "exchange/playersheet.h"
#include "playertable/pasteplan.h"
#include "playertable/playertabledata.h"
#include "playertable/tablecolumns.h"
#include "tools/samplebuilder.h"

#include <QtTest>

namespace {

// From a record's start (32 + 228 r): speed (ability slot 4) at 126, weight at 161 (flag in bit
// 7), age (stored + 17) at 218, the Long Throw byte (slot 30) at 152.
constexpr int recordStart(int record) {
    return 32 + 228 * record;
}

QByteArray patched(QByteArray db, const std::vector<Patch>& patches) {
    for (const Patch& patch : patches)
        db.replace(patch.offset, patch.bytes.size(), patch.bytes);
    return db;
}

} // namespace

class TestBulkChange : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void changes_data();
    void changes();
    void refusals_data();
    void refusals();
    void pasteWithAndWithoutHeader();

private:
    QByteArray m_db;
};

void TestBulkChange::initTestCase() {
    m_db = SampleBuilder::playerDatabase();
    // Records 0-3: speeds 97, 50, 99 and 120 (a value above 99 the game has), the flag on the
    // first; weights 90 with the flag, 60, 55, 95; ages 20, 38, 17, 30.
    const int speeds[] = {0x80 | 97, 50, 99, 120};
    const int weights[] = {0x80 | 90, 60, 55, 95};
    const int ages[] = {20, 38, 17, 30};
    for (int r = 0; r < 4; ++r) {
        m_db[recordStart(r) + 126] = char(speeds[r]);
        m_db[recordStart(r) + 161] = char(weights[r]);
        m_db[recordStart(r) + 218] = char(ages[r] + 17);
    }
}

void TestBulkChange::changes_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QList<int>>("shown");  // the values of records 0-3 after the change
    QTest::addColumn<QList<int>>("counts"); // changed, clamped, already
    QTest::addColumn<QString>("summary");
    using M = BulkChange::Mode;
    const auto row = [](const char* name, const char* column, M mode, const char* value,
                        const QList<int>& shown, const QList<int>& counts, const char* summary) {
        QTest::newRow(name) << QString::fromLatin1(column) << int(mode)
                            << QString::fromLatin1(value) << shown << counts
                            << QString::fromUtf8(summary);
    };
    row("speed +5", "speed", M::Add, "5", {99, 55, 99, 120}, {2, 1, 2},
        "2 players change, 1 clamped to 99, 2 already 99");
    row("speed -60", "speed", M::Subtract, "60", {37, 1, 39, 60}, {4, 1, 0},
        "4 players change, 1 clamped to 1");
    row("speed at least 60", "speed", M::AtLeast, "60", {97, 60, 99, 120}, {1, 0, 3},
        "1 player changes, 3 already at least 60");
    row("speed at most 60", "speed", M::AtMost, "60", {60, 50, 60, 60}, {3, 0, 1},
        "3 players change, 1 already at most 60");
    row("speed set to 70", "speed", M::Set, "70", {70, 70, 70, 70}, {4, 0, 0}, "4 players change");
    row("age +255, held at the box's 238", "age", M::Add, "255", {238, 238, 238, 238}, {4, 4, 0},
        "4 players change, 4 clamped to 238");
    row("weight +5, the flag kept", "weight", M::Add, "5", {95, 65, 60, 100}, {4, 0, 0},
        "4 players change");
    row("long throw set", "long_throw", M::Set, "1", {1, 1, 1, 1}, {-1, 0, -1}, "");
    row("foot set to Left", "foot", M::Set, "Left", {}, {-1, 0, -1}, "");
}

void TestBulkChange::changes() {
    QFETCH(QString, column);
    QFETCH(int, mode);
    QFETCH(QString, value);
    QFETCH(QList<int>, shown);
    QFETCH(QList<int>, counts);
    QFETCH(QString, summary);
    const BulkChange::Change change{int(PlayerColumns::names().indexOf(column)),
                                    BulkChange::Mode(mode), value};
    const std::vector<int> records{0, 1, 2, 3};
    const BulkChange::Plan plan = BulkChange::plan(m_db, records, change);
    QVERIFY2(plan.ok(), qPrintable(plan.refusals.join(u'\n')));
    const QByteArray after = patched(m_db, plan.import.patches);
    const PlayerColumns::Column& c = PlayerColumns::all().at(size_t(change.column));
    for (qsizetype r = 0; r < shown.size(); ++r)
        QCOMPARE(PlayerColumns::text(c, int(r), ShownPlayer::at(after, int(r))),
                 QString::number(shown[r]));
    if (counts[0] >= 0) {
        QCOMPARE(QList<int>({plan.changed, plan.clamped, plan.already}), counts);
        QCOMPARE(plan.summary(change), summary);
    }
    // Only the records changed, and in them only the bytes a sheet import of the same values
    // writes: the same bytes as that import.
    for (qsizetype i = 0; i < after.size(); ++i)
        if (after[i] != m_db[i])
            QVERIFY2(i >= recordStart(0) && i < recordStart(4), qPrintable(QString::number(i)));
    // The values the change gives: the one set, or each player's new number.
    QString sheet = QStringLiteral("index,id,%1\r\n").arg(column);
    for (const int r : records)
        sheet += QStringLiteral("%1,%2,%3\r\n")
                     .arg(r)
                     .arg(ShownPlayer::at(m_db, r).id)
                     .arg(change.mode == BulkChange::Mode::Set
                              ? value
                              : PlayerColumns::text(c, r, ShownPlayer::at(after, r)));
    const ImportPlan imported = PlayerSheet::plan(m_db, sheet.toUtf8());
    QVERIFY2(imported.ok(), qPrintable(imported.errors.join(u'\n')));
    QCOMPARE(patched(m_db, imported.patches), after);
    QCOMPARE(plan.import.changes, imported.changes);
}

void TestBulkChange::refusals_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("refusal");
    using M = BulkChange::Mode;
    const auto row = [](const char* name, const char* column, M mode, const char* value, int record,
                        const char* refusal) {
        QTest::newRow(name) << QString::fromLatin1(column) << int(mode)
                            << QString::fromLatin1(value) << record << QString::fromUtf8(refusal);
    };
    row("speed set to 150", "speed", M::Set, "150", 0,
        "speed: enter a number from 0 to 127. (2 players, the first 0 ");
    row("a number that is none", "speed", M::Add, "five", 0, "speed: enter a whole number.");
    row("at least more than 99", "speed", M::AtLeast, "120", 0,
        "speed: enter a number from 1 to 99.");
    row("a name raised", "name", M::Add, "1", 0, "name can only be set to a value.");
    row("a record under the roster table", "speed", M::Add, "1", 6450,
        "record 6450: This entry lies inside the team roster table");
}

void TestBulkChange::refusals() {
    QFETCH(QString, column);
    QFETCH(int, mode);
    QFETCH(QString, value);
    QFETCH(int, record);
    QFETCH(QString, refusal);
    const BulkChange::Change change{int(PlayerColumns::names().indexOf(column)),
                                    BulkChange::Mode(mode), value};
    const BulkChange::Plan plan = BulkChange::plan(m_db, {record, 1}, change);
    QVERIFY(!plan.ok());
    QVERIFY2(plan.refusals.first().startsWith(refusal), qPrintable(plan.refusals.join(u'\n')));
    QVERIFY(plan.import.patches.empty());
}

// Two cells a spreadsheet copied, pasted at record 2's speed, with and without a header naming
// the columns; a refused cell names the grid's row and the column, and nothing is written.
void TestBulkChange::pasteWithAndWithoutHeader() {
    PlayerTableData data;
    data.reset(m_db, {});
    PastePlan::Grid grid;
    for (int r = 0; r < 10; ++r)
        grid.records.push_back(9 - r); // sorted the other way: row 0 shows record 9
    for (int c = 0; c < TableColumns::count(); ++c)
        grid.columns << c;
    grid.row = 7; // record 2
    grid.column = int(grid.columns.indexOf(TableColumns::find(QStringLiteral("speed"))));
    for (const QString& text : {QStringLiteral("70\t71\n44\t45\n"),
                                QStringLiteral("speed\tacceleration\r\n70\t71\r\n44\t45\r\n")}) {
        const PastePlan::Plan plan = PastePlan::plan(data, text, grid);
        QVERIFY2(plan.ok(), qPrintable(plan.refusals.join(u'\n')));
        QCOMPARE(plan.cells, 4);
        const QByteArray after = patched(m_db, plan.import.patches);
        QCOMPARE(uchar(after[recordStart(2) + 126]), uchar(70));
        QCOMPARE(uchar(after[recordStart(2) + 127]) & 0x7F, 71); // acceleration, slot 5
        QCOMPARE(uchar(after[recordStart(1) + 126]) & 0x7F, 44);
    }
    // The header names columns anywhere: the index it carries must be the grid's.
    const PastePlan::Plan wrongRow =
        PastePlan::plan(data, QStringLiteral("index\tage\n5\t30\n"), grid);
    QCOMPARE(wrongRow.refusals,
             QStringList{"row 8 (record 2), column index: the grid shows 2 here, not 5; the "
                         "column is not edited."});
    const PastePlan::Plan refused = PastePlan::plan(data, QStringLiteral("70\t150\n"), grid);
    QCOMPARE(refused.refusals, QStringList{"row 8 (record 2), column acceleration: enter a "
                                           "number from 0 to 127."});
    QVERIFY(refused.import.patches.empty());
    const PastePlan::Plan tooLong = PastePlan::plan(data, QStringLiteral("1\n2\n3\n4\n"), grid);
    QCOMPARE(tooLong.refusals, QStringList{"The paste has 4 rows, but the grid shows 3 from the "
                                           "row it starts at."});
}

QTEST_GUILESS_MAIN(TestBulkChange)
#include "tst_bulkchange.moc"
