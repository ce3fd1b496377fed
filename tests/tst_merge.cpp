// Values taken from another pair of game files: players matched by ID at other records, a player
// the other file lacks, one it has and this database does not, a changed squad, a renamed team
// and a squad that names an unknown player. Each part alone and all together write exactly their
// bytes, and the refused squad is said and left out.
#include "exchange/databasemerge.h"
#include "exchange/playersheet.h"
#include "exchange/teamsheet.h"
#include "tests/testsupport.h"
#include "tools/samplebuilder.h"

#include <QtEndian>
#include <QtTest>

namespace {

namespace M = DatabaseMerge;
namespace S = SampleBuilder;

// A record starts at 32 + 228 r; from its start: the name at 50, speed at 126, age (stored + 17)
// at 218. Roster record j starts at 1470676 + 164 j.
constexpr qint64 record(int r) {
    return 32 + 228 * r;
}
constexpr qint64 roster(int j) {
    return 1470676 + 164 * j;
}
constexpr qint32 extraId = TestSupport::otherSampleExtraId;

QByteArray patched(QByteArray bytes, const std::vector<Patch>& patches) {
    for (const Patch& patch : patches)
        bytes.replace(patch.offset, patch.bytes.size(), patch.bytes);
    return bytes;
}

using Pair = TestSupport::GamePair;

} // namespace

class TestMerge : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void parts_data();
    void parts();
    void playersByIdOrFilter();

private:
    Pair m_mine;
    Pair m_other;
};

void TestMerge::initTestCase() {
    m_mine = {S::playerDatabase(), S::teamFile()};
    m_other = TestSupport::otherSample();
}

void TestMerge::parts_data() {
    QTest::addColumn<int>("parts");
    QTest::addColumn<QList<int>>("players"); // the records of this database that change
    QTest::addColumn<int>("squads");
    QTest::addColumn<int>("teamNames");
    QTest::newRow("details") << int(M::Details) << QList<int>{30} << 0 << 0;
    QTest::newRow("abilities") << int(M::Abilities) << QList<int>{11} << 0 << 0;
    QTest::newRow("appearance") << int(M::Appearance) << QList<int>{40} << 0 << 0;
    QTest::newRow("squads") << int(M::Squads) << QList<int>{} << 1 << 0;
    QTest::newRow("team names") << int(M::TeamNames) << QList<int>{} << 0 << 1;
    QTest::newRow("everything") << int(M::AllParts) << QList<int>{11, 30, 40} << 1 << 1;
}

void TestMerge::parts() {
    QFETCH(int, parts);
    QFETCH(QList<int>, players);
    QFETCH(int, squads);
    QFETCH(int, teamNames);
    M::Choice choice;
    choice.parts = parts;
    const M::Plan plan =
        M::plan({m_mine.database, m_mine.teamFile}, {m_other.database, m_other.teamFile}, choice);
    QVERIFY2(plan.error.isEmpty(), qPrintable(plan.error));
    QList<int> changed;
    for (const M::PlayerChange& player : plan.players)
        changed << player.record;
    QCOMPARE(changed, players);
    QCOMPARE(plan.squadCount, squads);
    QCOMPARE(plan.teamNameCount, teamNames);
    if (parts & M::Squads) {
        QCOMPARE(plan.refusals.size(), 1);
        QVERIFY2(plan.refusals.first().startsWith(
                     QStringLiteral("Bulgaria (team ID %1), slot 0: ").arg(S::teams().at(2).id)) &&
                     plan.refusals.first().contains(QStringLiteral("999999")),
                 qPrintable(plan.refusals.first()));
    } else {
        QVERIFY2(plan.refusals.isEmpty(), qPrintable(plan.refusals.join(u'\n')));
    }
    if (parts & M::Details)
        QCOMPARE(plan.notInThisDatabase,
                 QStringList{QStringLiteral("player ID 999999 %1: not in this database")
                                 .arg(S::playerName(20))});

    // The bytes: exactly the fields taken, in the records they belong to.
    const QByteArray after = patched(m_mine.database, plan.databasePatches());
    const auto inRecord = [](qint64 at, int r) { return at >= record(r) && at < record(r + 1); };
    for (qsizetype at = 0; at < after.size(); ++at) {
        if (after[at] == m_mine.database[at])
            continue;
        const bool expected = ((parts & M::Abilities) && at == record(11) + 126) ||
                              ((parts & M::Details) && inRecord(at, 30)) ||
                              ((parts & M::Appearance) && inRecord(at, 40)) ||
                              ((parts & M::Squads) && at >= roster(0) && at < roster(1));
        QVERIFY2(expected, qPrintable(QStringLiteral("byte %1").arg(at)));
    }
    if (parts & M::Abilities)
        QCOMPARE(uchar(after[record(11) + 126]) & 0x7F, 41);
    if (parts & M::Details) {
        QCOMPARE(after.mid(record(30) + 50, 11), QByteArray("Zolt\xE1n Kiss", 11));
        QCOMPARE(uchar(after[record(30) + 218]), uchar(m_mine.database[record(30) + 218] + 1));
    }
    if (parts & M::Squads)
        QCOMPARE(after.mid(roster(0), 164), m_other.database.mid(roster(0), 164));
    const QByteArray names = patched(m_mine.teamFile, plan.teamNames.patches);
    QCOMPARE(names == m_mine.teamFile, !(parts & M::TeamNames));
    if (parts & M::TeamNames)
        QCOMPARE(names, m_other.teamFile);

    // A sheet import of the same values writes the same bytes.
    if (parts == M::Abilities) {
        const QString sheet = QStringLiteral("index,id,speed\r\n11,%1,41\r\n").arg(S::playerId(11));
        const ImportPlan imported = PlayerSheet::plan(m_mine.database, sheet.toUtf8());
        QCOMPARE(patched(m_mine.database, imported.patches), after);
    }
}

// A filter's records, or a list of IDs, choose the players; a record the other file lacks the
// player of changes nothing.
void TestMerge::playersByIdOrFilter() {
    M::Choice choice;
    choice.parts = M::Details | M::Abilities | M::Appearance;
    choice.records = std::vector<int>{11, 20, 40};
    M::Plan plan = M::plan({m_mine.database, m_mine.teamFile}, {m_other.database, {}}, choice);
    QCOMPARE(int(plan.players.size()), 2);
    QCOMPARE(plan.players.at(0).record, 11);
    QCOMPARE(plan.players.at(0).otherRecord, 10); // matched by ID at another record
    QCOMPARE(plan.players.at(0).parts, int(M::Abilities));
    QCOMPARE(plan.players.at(1).parts, int(M::Appearance));
    QVERIFY(plan.notInThisDatabase.isEmpty()); // a filter chooses among this database's players
    QCOMPARE(plan.summary(2), QStringLiteral("2 players, 0 squads, 0 team names will change"));

    choice.records.reset();
    choice.playerIds = QSet<qint32>{S::playerId(30)};
    plan = M::plan({m_mine.database, m_mine.teamFile}, {m_other.database, {}}, choice);
    QCOMPARE(int(plan.players.size()), 1);
    QCOMPARE(plan.players.at(0).record, 30);
    QVERIFY2(plan.players.at(0).lines.first().startsWith(
                 QStringLiteral("30 %1 %2: name ").arg(S::playerId(30)).arg(S::playerName(30))),
             qPrintable(plan.players.at(0).lines.join(u'\n')));

    choice.parts = M::Squads;
    plan = M::plan({m_mine.database, m_mine.teamFile}, {m_other.database, {}}, choice);
    QCOMPARE(plan.error, QStringLiteral("the squads and the team names need both team files."));
}

QTEST_GUILESS_MAIN(TestMerge)
#include "tst_merge.moc"
