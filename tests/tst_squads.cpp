// The squad rules: transfers, call-ups, releases, swaps, the order of a squad and shirt numbers,
// each as the bytes it writes into the roster table or the words it refuses with, and the check
// of a whole database.
#include "exchange/rosterimport.h"
#include "exchange/rostersheet.h"
#include "sheetformats/csvreader.h"
#include "teamnames/teamnamelayout.h"
#include "teamnames/teamnametable.h"
#include "teams/squad.h"
#include "testsupport.h"
#include "tools/samplebuilder.h"

#include <QTest>
#include <QtEndian>

using Writes = QList<Patch>;
Q_DECLARE_METATYPE(Writes)

namespace {

// Roster records 0-3 hold these teams (the sample's IDs for them); record 57 is the sample's full
// squad. Team 999 has no record.
constexpr qint32 austria = 100, brazil = 101, chile = 102, denmark = 103, everton = 157, fiji = 999;

// Player ID s of roster record j, and its shirt number.
Patch id(int j, int s, qint32 value) {
    return TestSupport::int32Patch(1470676 + 164 * j + 4 + 4 * s, value);
}
Patch shirt(int j, int s, int value) {
    return {1470676 + 164 * j + 132 + s, QByteArray(1, char(value))};
}

void put(QByteArray& bytes, const Patch& patch) {
    bytes.replace(patch.offset, patch.bytes.size(), patch.bytes);
}

using Roster = QList<std::pair<qint32, int>>; // player ID and shirt number, slot by slot

// Roster record j: cleared, then the team ID and the slots given.
void putRoster(QByteArray& db, int j, qint32 team, const Roster& roster) {
    db.replace(1470676 + 164 * j, 164, QByteArray(164, '\0'));
    put(db, TestSupport::int32Patch(1470676 + 164 * j, team));
    for (int s = 0; s < roster.size(); ++s) {
        put(db, id(j, s, roster[s].first));
        put(db, shirt(j, s, roster[s].second));
    }
}

// The sample database with records 0-3 rewritten; Chile has a gap, number 5 twice, a number 0
// and a leftover number in an empty slot; Adam Adams (11) plays for Austria and Denmark.
const QByteArray& database() {
    static const QByteArray db = [] {
        QByteArray db = SampleBuilder::playerDatabase();
        putRoster(db, 0, austria, {{11, 9}, {12, 1}, {13, 7}});
        putRoster(db, 1, brazil, {{21, 9}, {22, 10}, {23, 1}, {24, 2}});
        putRoster(db, 2, chile, {{31, 5}, {0, 0}, {32, 5}, {33, 0}, {0, 44}});
        putRoster(db, 3, denmark, {{41, 3}, {11, 4}});
        return db;
    }();
    return db;
}

QString playerName(qint32 id) {
    static const QHash<qint32, QString> names{
        {11, "Adam Adams"}, {12, "Bob Brown"}, {13, "Carl Cole"}, {21, "Dan Dale"},
        {22, "Eric Eze"},   {23, "Fred Fox"},  {24, "Gil Grey"},  {31, "Hal Hope"},
        {32, "Ian Ince"},   {33, "Jan Jones"}, {41, "Kai Kent"}};
    return names.value(id);
}

QString teamName(qint32 id) {
    static const QHash<qint32, QString> names{{austria, "Austria"}, {brazil, "Brazil"},
                                              {chile, "Chile"},     {denmark, "Denmark"},
                                              {everton, "Everton"}, {fiji, "Fiji"}};
    return names.value(id);
}

// "offset: old -> new" for every byte that differs.
QStringList differences(const QByteArray& before, const QByteArray& after) {
    QStringList lines;
    for (qsizetype i = 0; i < before.size(); ++i)
        if (before[i] != after[i])
            lines << QStringLiteral("%1: %2 -> %3")
                         .arg(i)
                         .arg(quint8(before[i]))
                         .arg(quint8(after[i]));
    return lines;
}

} // namespace

class TestSquads : public QObject {
    Q_OBJECT

private slots:
    void changes_data();
    void changes();
    void read_data();
    void read();
    void check();
    void checkSample();
    void rosterSheet_data();
    void rosterSheet();
    void rosterSheetOverProblemsOfTheData();
};

void TestSquads::changes_data() {
    QTest::addColumn<QString>("change");
    // transfer, callUp: player, from, to[, number]; release: player, from; swap: player A, team
    // A, player B, team B; moveUp, moveDown: player, team; shirt: player, team, number.
    QTest::addColumn<QList<int>>("args");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<Writes>("writes"); // the values the changed fields end with

    const QString range = "Shirt numbers run from 1 to 99.";
    const QString noFiji = "Fiji has no roster record in the player database.";
    const Writes none;
    const auto row = [](const char* name, const char* change, QList<int> args,
                        const QString& refusal, const Writes& writes) {
        QTest::newRow(name) << QString(change) << args << refusal << writes;
    };

    row("transfer keeps his free number", "transfer", {13, austria, brazil}, {},
        {id(0, 2, 0), shirt(0, 2, 0), id(1, 4, 13), shirt(1, 4, 7)});
    row("transfer takes the lowest free number and closes the gap", "transfer",
        {11, austria, brazil}, {},
        {id(0, 0, 12), shirt(0, 0, 1), id(0, 1, 13), shirt(0, 1, 7), id(0, 2, 0), shirt(0, 2, 0),
         id(1, 4, 11), shirt(1, 4, 3)});
    row("transfer with a wanted number", "transfer", {13, austria, brazil, 99}, {},
        {id(0, 2, 0), shirt(0, 2, 0), id(1, 4, 13), shirt(1, 4, 99)});
    row("transfer into a squad with a gap, a number twice and a leftover", "transfer",
        {12, austria, chile}, {},
        {id(0, 1, 13), shirt(0, 1, 7), id(0, 2, 0), shirt(0, 2, 0), id(2, 1, 32), shirt(2, 1, 5),
         id(2, 2, 33), shirt(2, 2, 0), id(2, 3, 12), shirt(2, 3, 1), shirt(2, 4, 0)});
    row("transfer of a player with number 0 takes the lowest free", "transfer",
        {33, chile, austria}, {},
        {id(0, 3, 33), shirt(0, 3, 2), id(2, 1, 32), shirt(2, 1, 5), id(2, 2, 0), shirt(2, 2, 0),
         id(2, 3, 0), shirt(2, 4, 0)});
    row("wanted number taken", "transfer", {13, austria, brazil, 10},
        "Shirt number 10 is taken by Eric Eze in Brazil.", none);
    row("wanted number 0", "transfer", {13, austria, brazil, 0}, range, none);
    row("wanted number 100", "transfer", {13, austria, brazil, 100}, range, none);
    row("transfer of a player not in the squad", "transfer", {21, austria, brazil},
        "Dan Dale is not in Austria.", none);
    row("transfer into a squad he is in", "transfer", {11, denmark, austria},
        "Adam Adams is in Austria already.", none);
    row("transfer into a full squad", "transfer", {11, austria, everton},
        "Everton has 32 players already, the most a squad can hold.", none);
    row("transfer to a team without a record", "transfer", {11, austria, fiji}, noFiji, none);
    row("transfer from a team without a record", "transfer", {11, fiji, austria}, noFiji, none);

    row("call-up keeps his free number", "callUp", {13, austria, brazil}, {},
        {id(1, 4, 13), shirt(1, 4, 7)});
    row("call-up takes the lowest free number", "callUp", {12, austria, brazil}, {},
        {id(1, 4, 12), shirt(1, 4, 3)});
    row("call-up with a wanted number taken", "callUp", {12, austria, brazil, 2},
        "Shirt number 2 is taken by Gil Grey in Brazil.", none);
    row("call-up into a squad he is in", "callUp", {11, austria, denmark},
        "Adam Adams is in Denmark already.", none);

    row("release closes the gap", "release", {12, austria}, {},
        {id(0, 1, 13), shirt(0, 1, 7), id(0, 2, 0), shirt(0, 2, 0)});
    row("release of the last player", "release", {13, austria}, {}, {id(0, 2, 0), shirt(0, 2, 0)});
    row("release of a player not in the squad", "release", {41, austria},
        "Kai Kent is not in Austria.", none);
    row("release from a team without a record", "release", {11, fiji}, noFiji, none);

    row("swap: each takes the other's slot and number", "swap", {12, austria, 22, brazil}, {},
        {id(0, 1, 22), id(1, 1, 12)});
    row("swap: a number someone else wears becomes the lowest free", "swap",
        {11, austria, 32, chile}, {},
        {id(0, 0, 32), id(2, 1, 11), shirt(2, 1, 1), id(2, 2, 33), shirt(2, 2, 0), id(2, 3, 0),
         shirt(2, 4, 0)});
    row("swap with a player not in his squad", "swap", {12, austria, 41, brazil},
        "Kai Kent is not in Brazil.", none);
    row("swap within one squad", "swap", {11, austria, 12, austria},
        "Adam Adams and Bob Brown are both in Austria; a swap takes players of two teams.", none);
    row("swap into a squad he is in", "swap", {12, austria, 11, denmark},
        "Adam Adams is in Austria already.", none);
    row("swap with a team without a record", "swap", {12, austria, 11, fiji}, noFiji, none);

    row("move up", "moveUp", {13, austria}, {},
        {id(0, 1, 13), shirt(0, 1, 7), id(0, 2, 12), shirt(0, 2, 1)});
    row("move down", "moveDown", {11, austria}, {},
        {id(0, 0, 12), shirt(0, 0, 1), id(0, 1, 11), shirt(0, 1, 9)});
    row("move up the first", "moveUp", {11, austria}, "Adam Adams is first in Austria already.",
        none);
    row("move down the last player, empty slots after him", "moveDown", {33, chile},
        "Jan Jones is last in Chile already.", none);
    row("move a player not in the squad", "moveUp", {11, brazil}, "Adam Adams is not in Brazil.",
        none);

    row("shirt number", "shirt", {12, austria, 50}, {}, {shirt(0, 1, 50)});
    row("shirt number he wears already", "shirt", {12, austria, 1}, {}, none);
    row("shirt number for a player with number 0, beside a number worn twice", "shirt",
        {33, chile, 6}, {},
        {id(2, 1, 32), shirt(2, 1, 5), id(2, 2, 33), shirt(2, 2, 6), id(2, 3, 0), shirt(2, 4, 0)});
    row("shirt number taken", "shirt", {12, austria, 9},
        "Shirt number 9 is taken by Adam Adams in Austria.", none);
    row("shirt number 0", "shirt", {12, austria, 0}, range, none);
    row("shirt number 100", "shirt", {12, austria, 100}, range, none);
    row("shirt number of a player not in the squad", "shirt", {21, austria, 5},
        "Dan Dale is not in Austria.", none);
}

void TestSquads::changes() {
    QFETCH(QString, change);
    QFETCH(QList<int>, args);
    QFETCH(QString, refusal);
    QFETCH(Writes, writes);

    const QByteArray& db = database();
    const SquadRules rules(db, playerName, teamName);
    const std::optional<int> number = args.size() > 3 ? std::optional(args[3]) : std::nullopt;
    const SquadChange got = change == "transfer" ? rules.transfer(args[0], args[1], args[2], number)
                            : change == "callUp" ? rules.callUp(args[0], args[1], args[2], number)
                            : change == "release" ? rules.release(args[0], args[1])
                            : change == "swap"    ? rules.swap(args[0], args[1], args[2], args[3])
                            : change == "moveUp"  ? rules.moveUp(args[0], args[1])
                            : change == "moveDown"
                                ? rules.moveDown(args[0], args[1])
                                : rules.setShirtNumber(args[0], args[1], args[2]);
    QCOMPARE(got.refusal, refusal);
    QCOMPARE(got.ok(), refusal.isEmpty());

    QByteArray expected = db;
    for (const Patch& write : writes) {
        QVERIFY2(db.sliced(write.offset, write.bytes.size()) != write.bytes,
                 "an expected field that keeps its value");
        put(expected, write);
    }
    // Patches in the order of their offsets, apart, each byte of them a byte that changes.
    QByteArray written = db;
    qint64 end = -1;
    for (const Patch& patch : got.patches) {
        QVERIFY(patch.offset > end);
        QVERIFY(!patch.bytes.isEmpty());
        for (qsizetype i = 0; i < patch.bytes.size(); ++i)
            QVERIFY2(db[patch.offset + i] != patch.bytes[i],
                     qPrintable(QString("byte %1 is written unchanged").arg(patch.offset + i)));
        put(written, patch);
        end = patch.offset + patch.bytes.size();
    }
    QCOMPARE(differences(db, written), differences(db, expected));
}

void TestSquads::read_data() {
    QTest::addColumn<qint32>("teamId");
    QTest::addColumn<qint64>("size"); // of the working copy; -1 all of it
    QTest::addColumn<qint64>("offset");
    const qint64 end57 = 1470676 + 164 * 58;
    QTest::newRow("first record") << austria << qint64(-1) << qint64(1470676);
    QTest::newRow("full squad") << everton << qint64(-1) << qint64(1470676 + 164 * 57);
    QTest::newRow("no record") << fiji << qint64(-1) << qint64(-1);
    QTest::newRow("file ends with the record") << everton << end57 << qint64(1470676 + 164 * 57);
    QTest::newRow("file ends inside the record") << everton << end57 - 1 << qint64(-1);
    QTest::newRow("file ends before the table") << austria << qint64(1470675) << qint64(-1);
}

void TestSquads::read() {
    QFETCH(qint32, teamId);
    QFETCH(qint64, size);
    QFETCH(qint64, offset);
    const QByteArray db = size < 0 ? database() : database().first(size);
    const std::optional<Squad> squad = Squad::read(db, teamId);
    QCOMPARE(squad ? squad->recordOffset : -1, offset);
    if (!squad)
        return;
    QCOMPARE(squad->teamId, teamId);
    QCOMPARE(int(squad->rosterSlots.size()), 32);
    for (int s = 0; s < 32; ++s) {
        QCOMPARE(squad->rosterSlots[s].playerId,
                 qFromLittleEndian<qint32>(db.constData() + offset + 4 + 4 * s));
        QCOMPARE(squad->rosterSlots[s].shirtNumber, int(quint8(db[offset + 132 + s])));
    }
}

// A database of six roster records over a player table whose record i holds ID 1000 + i.
void TestSquads::check() {
    QByteArray db(1470676 + 164 * 6, '\0');
    for (int i = 0; i < 6451; ++i)
        put(db, TestSupport::int32Patch(32 + 228 * i, 1000 + i));
    const char* names[] = {"Adam Adams", "Bob Brown", "Cid Cole", "Dan Dee", "Eve Eze", "Fay Fox"};
    for (int i = 0; i < 6; ++i)
        put(db, {32 + 228 * i + 50, QByteArray(names[i])});
    for (const int i : {6, 6449})
        put(db, TestSupport::int32Patch(32 + 228 * i, 1005));
    put(db, TestSupport::int32Patch(32 + 228 * 6450, 1000)); // under the table: no player
    putRoster(db, 0, 100, {{1000, 9}, {1001, 1}});
    putRoster(db, 1, 101, {{1002, 5}, {0, 0}, {1003, 5}, {77, 7}, {1002, 0}, {1004, 150}});
    putRoster(db, 2, 555, {{1000, 1}});
    putRoster(db, 3, 100, {{1001, 1}});
    putRoster(db, 4, 103, {{1005, 1}, {1000, 2}});
    putRoster(db, 5, 777, {{1000, 1}, {1000, 1}}); // after the last team's record: not a roster

    const QStringList lines = SquadRules::check(
        db, {{100, "Austria"}, {101, "Brazil"}, {102, "Chile"}, {103, "Denmark"}, {100, "Alias"}});
    QCOMPARE(lines,
             QStringList({
                 "Player ID 1005 is held by records 5, 6 and 6449.",
                 "Brazil, slot 3: player ID 77 is no player of the database.",
                 "Brazil, slot 4: Cid Cole wears shirt number 0; shirt numbers run from 1 to 99.",
                 "Brazil, slot 5: Eve Eze wears shirt number 150; shirt numbers run from 1 to 99.",
                 "Brazil: Cid Cole is in slots 0 and 4.",
                 "Brazil: shirt number 5 is worn by Cid Cole (slot 0) and Dan Dee (slot 2).",
                 "Brazil: slot 1 is empty, and filled slots follow it.",
                 "Chile (team ID 102) has no roster record.",
                 "Roster record 2 carries team ID 555, which no team has.",
                 "Roster record 3 carries the team ID of Austria again, whose roster is record 0.",
             }));
}

// The sample database against the teams its team file lists.
void TestSquads::checkSample() {
    QList<SquadTeam> teams;
    for (const SampleBuilder::Team& team : SampleBuilder::teams())
        teams.append({team.id, team.name});
    QCOMPARE(SquadRules::check(SampleBuilder::playerDatabase(), teams), QStringList());
}

// rosters.csv as exported, edited: its first row (team 0, slot 0) moved or copied, or a row added.
// "{fromTeam}" and the like stand for the first row's cells; team 58 of the sample has 25 players,
// so its slot 31 is free.
void TestSquads::rosterSheet_data() {
    QTest::addColumn<QString>("firstRow"); // what becomes of the first row; empty: as it is
    QTest::addColumn<QString>("addedRow"); // a row added at the end; empty: none
    QTest::addColumn<QString>("expected"); // "" no change, "row …" the refusal, else a change
    QTest::newRow("untouched") << ""
                               << ""
                               << "";
    QTest::newRow("transfer") << "{team58},x,31,{player},x,{free58}"
                              << ""
                              << "{name}: {fromName} -> {name58}";
    QTest::newRow("a number changed") << "{fromTeam},x,0,{player},x,{free0}"
                                      << ""
                                      << "{fromName}: slot 0 {name} ({number}) -> {name} ({free0})";
    QTest::newRow("slot twice") << ""
                                << "{fromTeam},x,0,{other},x,{free0}"
                                << "row {last}, column slot: slot 0 of {fromName} is on row 2";
    QTest::newRow("player twice") << ""
                                  << "{fromTeam},x,31,{player},x,{free0}"
                                  << "row {last}, column player_id: {name} is in {fromName} "
                                     "already, on row 2.";
    QTest::newRow("number taken") << ""
                                  << "{team58},x,31,{other},x,{taken58}"
                                  << "row {last}, column shirt_number: Shirt number {taken58} is "
                                     "taken by";
    QTest::newRow("no such team") << ""
                                  << "9999,x,31,{other},x,5"
                                  << "row {last}, column team_id: no team of the team file has "
                                     "the ID 9999.";
    QTest::newRow("no such player") << ""
                                    << "{team58},x,31,2000000000,x,5"
                                    << "row {last}, column player_id: no player of the database "
                                       "has the ID 2000000000.";
    QTest::newRow("player ID 0") << ""
                                 << "{team58},x,31,0,x,5"
                                 << "row {last}, column player_id: player ID 0 marks an empty "
                                    "slot; to empty the slot, delete its row.";
    QTest::newRow("slot 32") << ""
                             << "{team58},x,32,{other},x,5"
                             << "row {last}, column slot: enter a whole number from 0 to 31.";
    QTest::newRow("number 0") << ""
                              << "{team58},x,31,{other},x,0"
                              << "row {last}, column shirt_number: enter a whole number from 1 "
                                 "to 99.";
}

void TestSquads::rosterSheet() {
    QFETCH(QString, firstRow);
    QFETCH(QString, addedRow);
    QFETCH(QString, expected);
    const QByteArray db = SampleBuilder::playerDatabase();
    const QByteArray teamFile = SampleBuilder::teamFile();
    const SampleBuilder::Team& from = SampleBuilder::teams().at(0);
    const SampleBuilder::Team& to = SampleBuilder::teams().at(58);
    const auto freeIn = [](const SampleBuilder::Team& team) {
        int number = 1;
        while (std::find(team.shirtNumbers.begin(), team.shirtNumbers.begin() + team.players.size(),
                         number) != team.shirtNumbers.begin() + team.players.size())
            ++number;
        return number;
    };
    QHash<QString, QString> values{
        {"{fromTeam}", QString::number(from.id)},
        {"{fromName}", from.name},
        {"{team58}", QString::number(to.id)},
        {"{name58}", to.name},
        {"{player}", QString::number(SampleBuilder::playerId(from.players[0]))},
        {"{name}", SampleBuilder::playerName(from.players[0])},
        {"{number}", QString::number(from.shirtNumbers[0])},
        {"{other}", QString::number(SampleBuilder::playerId(to.players[0] + 1))},
        {"{free0}", QString::number(freeIn(from))},
        {"{free58}", QString::number(freeIn(to))},
        {"{taken58}", QString::number(to.shirtNumbers[1])},
    };
    QStringList lines =
        QString::fromUtf8(RosterSheet::write(db, teamFile)).split(QStringLiteral("\r\n"));
    lines.removeAll(QString());
    if (!firstRow.isEmpty())
        lines[1] = firstRow;
    if (!addedRow.isEmpty())
        lines << addedRow;
    values.insert("{last}", QString::number(lines.size()));
    QString csv = lines.join(QStringLiteral("\r\n"));
    for (auto value = values.begin(); value != values.end(); ++value) {
        csv.replace(value.key(), value.value());
        expected.replace(value.key(), value.value());
    }

    const ImportPlan plan = RosterImport::plan(db, teamFile, CsvReader::parse(csv.toUtf8()));
    if (expected.startsWith(QStringLiteral("row "))) {
        QVERIFY2(!plan.ok() && plan.errors.first().startsWith(expected),
                 qPrintable(plan.errors.join(u'\n')));
        QVERIFY(plan.patches.empty());
        return;
    }
    QVERIFY2(plan.ok(), qPrintable(plan.errors.join(u'\n')));
    QCOMPARE(plan.patches.empty(), expected.isEmpty());
    if (expected.isEmpty())
        return;
    QVERIFY2(plan.changes.contains(expected), qPrintable(plan.changes.join(u'\n')));
    // Written, the sheet of the new database is the edited one, rows in slot order.
    QByteArray after = db;
    for (const Patch& patch : plan.patches)
        put(after, patch);
    QCOMPARE(
        RosterImport::plan(after, teamFile, CsvReader::parse(RosterSheet::write(after, teamFile)))
            .patches.size(),
        size_t(0));
    const auto squad =
        Squad::read(after, firstRow.startsWith(QStringLiteral("{fromTeam}")) ? from.id : to.id);
    QVERIFY(squad);
    const qint32 moved = SampleBuilder::playerId(from.players[0]);
    QVERIFY(std::any_of(squad->rosterSlots.begin(), squad->rosterSlots.end(),
                        [&](const RosterSlot& slot) { return slot.playerId == moved; }));
}

// Problems already in the data refuse no sheet that leaves their squads as they are: the export
// of such data imports untouched with no change, and an edit of another squad goes through. An
// edit of a faulty squad has to mend it.
void TestSquads::rosterSheetOverProblemsOfTheData() {
    QByteArray db = SampleBuilder::playerDatabase();
    QByteArray teamFile = SampleBuilder::teamFile();
    const auto team = [](int j) { return SampleBuilder::teams().at(j); };
    put(db, shirt(0, 1, team(0).shirtNumbers[0]));                  // a number worn twice
    put(db, shirt(1, 2, 0));                                        // a number out of range
    put(db, id(3, 1, SampleBuilder::playerId(team(3).players[0]))); // a player twice
    put(db, id(4, 2, 2000000000));                                  // no player of the file
    const qint64 teamIdOf6 = TeamNameLayout::shortNameOffset(team(6).shortEntry) + 4;
    qToLittleEndian<qint16>(team(5).id, teamFile.data() + teamIdOf6); // team 6 takes team 5's ID
    QCOMPARE(TeamNameTable::decode(teamFile).teamIds.at(6), QString::number(team(5).id));

    const QByteArray untouched = RosterSheet::write(db, teamFile);
    QVERIFY(!untouched.contains("2000000000"));
    QCOMPARE(untouched.count(QByteArray("\r\n") + QByteArray::number(team(5).id) + ","),
             qsizetype(team(5).players.size()));
    const ImportPlan same = RosterImport::plan(db, teamFile, CsvReader::parse(untouched));
    QVERIFY2(same.ok(), qPrintable(same.errors.join(u'\n')));
    QCOMPARE(same.patches.size(), size_t(0));

    // A free number for the player in slot 2 of a sound squad (team 2), then of a faulty one
    // (team 0, whose slots 0 and 1 wear one number).
    const auto edited = [&](int j) {
        const SampleBuilder::Team& listed = team(j);
        int free = 1;
        while (std::count(listed.shirtNumbers.begin(), listed.shirtNumbers.end(), free) > 0)
            ++free;
        QList<QByteArray> lines = untouched.split('\n');
        for (QByteArray& line : lines) {
            QList<QByteArray> cells = line.split(',');
            if (cells.size() == 6 && cells[0].toInt() == listed.id && cells[2] == "2") {
                cells[5] = QByteArray::number(free) + "\r";
                line = cells.join(',');
            }
        }
        return RosterImport::plan(db, teamFile, CsvReader::parse(lines.join('\n')));
    };
    const ImportPlan sound = edited(2);
    QVERIFY2(sound.ok(), qPrintable(sound.errors.join(u'\n')));
    QVERIFY(!sound.patches.empty());
    for (const Patch& patch : sound.patches)
        QVERIFY(patch.offset >= 1470676 + 164 * 2 &&
                patch.offset + patch.bytes.size() <= 1470676 + 164 * 3);
    const ImportPlan faulty = edited(0);
    QVERIFY(!faulty.ok());
    QVERIFY(faulty.patches.empty());
    QVERIFY2(faulty.errors.first().contains(QStringLiteral("column shirt_number: Shirt number %1 "
                                                           "is taken by")
                                                .arg(team(0).shirtNumbers[0])),
             qPrintable(faulty.errors.join(u'\n')));
}

QTEST_GUILESS_MAIN(TestSquads)
#include "tst_squads.moc"
