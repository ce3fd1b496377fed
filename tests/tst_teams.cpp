// The team rosters: finding a team's record in the roster table and reading its slots, the name
// folding of the player search, and the colour bands of the ability boxes.
#include "player/colourbands.h"
#include "teams/namefolding.h"
#include "teams/rostertable.h"
#include "tools/samplebuilder.h"

#include <QTest>
#include <QtEndian>

Q_DECLARE_METATYPE(ColourBands::Rgb)

namespace {

// Roster records of 164 bytes, each starting with its team ID; the slots hold noise.
QByteArray rosterRecords(const QList<qint32>& ids) {
    QByteArray table(ids.size() * 164, '\0');
    for (int i = 0; i < table.size(); ++i)
        table[i] = char(i * 3 + 1);
    for (qsizetype j = 0; j < ids.size(); ++j)
        qToLittleEndian<qint32>(ids[j], table.data() + 164 * j);
    return table;
}

QStringList letters(char first) {
    QStringList list;
    for (char c = first; c < first + 26; ++c)
        list << QString(QLatin1Char(c));
    return list;
}

const NameFolding& aToZ() {
    static const NameFolding folding(letters('A'), letters('a'));
    return folding;
}

} // namespace

class TestTeams : public QObject {
    Q_OBJECT

private slots:
    void findTeam_data();
    void findTeam();
    void teamIdBytes_data();
    void teamIdBytes();
    void readSlots_data();
    void readSlots();
    void sampleRosters();

    void fold_data();
    void fold();
    void find_data();
    void find();

    void colourBands_data();
    void colourBands();
};

// ---- The roster table ----

void TestTeams::findTeam_data() {
    QTest::addColumn<QList<qint32>>("ids");
    QTest::addColumn<qint64>("viewSize"); // bytes of the table that are handed over; -1 all
    QTest::addColumn<qint32>("teamId");
    QTest::addColumn<int>("maxRecords");
    QTest::addColumn<qint64>("offset"); // -1: not found
    const QList<qint32> ids{5, 7, 7, 9};
    QTest::newRow("first record") << ids << qint64(-1) << 5 << 4 << qint64(0);
    QTest::newRow("first of two with the same ID") << ids << qint64(-1) << 7 << 4 << qint64(164);
    QTest::newRow("last record") << ids << qint64(-1) << 9 << 4 << qint64(492);
    QTest::newRow("absent") << ids << qint64(-1) << 8 << 4 << qint64(-1);
    QTest::newRow("bound stops before the match") << ids << qint64(-1) << 9 << 3 << qint64(-1);
    QTest::newRow("bound of 0") << ids << qint64(-1) << 5 << 0 << qint64(-1);
    QTest::newRow("bound beyond the table") << ids << qint64(-1) << 8 << 100 << qint64(-1);
    QTest::newRow("team ID -1") << QList<qint32>{3, -1} << qint64(-1) << -1 << 2 << qint64(164);
    QTest::newRow("table ends inside the matching record")
        << ids << qint64(3 * 164 + 100) << 9 << 4 << qint64(-1);
    QTest::newRow("table ends right after the ID")
        << ids << qint64(3 * 164 + 4) << 9 << 4 << qint64(-1);
    QTest::newRow("table ends one byte short")
        << ids << qint64(4 * 164 - 1) << 9 << 4 << qint64(-1);
    QTest::newRow("table ends with the record") << ids << qint64(4 * 164) << 9 << 4 << qint64(492);
    QTest::newRow("earlier record still found in a cut table")
        << ids << qint64(3 * 164 + 10) << 7 << 4 << qint64(164);
}

void TestTeams::findTeam() {
    QFETCH(QList<qint32>, ids);
    QFETCH(qint64, viewSize);
    QFETCH(qint32, teamId);
    QFETCH(int, maxRecords);
    QFETCH(qint64, offset);
    // The bytes after a cut stay in memory, holding what a reader past the end would see.
    const QByteArray table = rosterRecords(ids);
    const QByteArrayView view =
        viewSize < 0 ? QByteArrayView(table) : QByteArrayView(table).first(viewSize);
    QCOMPARE(RosterTable::findTeam(view, teamId, maxRecords).value_or(-1), offset);
    if (viewSize >= 0) {
        const QByteArray cut = table.first(viewSize); // nothing at all after the end
        QCOMPARE(RosterTable::findTeam(cut, teamId, maxRecords).value_or(-1), offset);
    }
}

// The team ID is a 32-bit little-endian signed number; no shorter or byte-swapped form matches.
void TestTeams::teamIdBytes_data() {
    QTest::addColumn<QByteArray>("idBytes");
    QTest::addColumn<qint32>("teamId");
    QTest::addColumn<bool>("found");
    QTest::newRow("-1 is FF FF FF FF") << QByteArray::fromHex("FFFFFFFF") << -1 << true;
    QTest::newRow("7 is 07 00 00 00") << QByteArray::fromHex("07000000") << 7 << true;
    QTest::newRow("FF FF 00 00 is not -1") << QByteArray::fromHex("FFFF0000") << -1 << false;
    QTest::newRow("07 00 00 01 is not 7") << QByteArray::fromHex("07000001") << 7 << false;
    QTest::newRow("00 00 00 07 is not 7") << QByteArray::fromHex("00000007") << 7 << false;
    QTest::newRow("2 bytes of 300") << QByteArray::fromHex("2C010000") << 300 << true;
}

void TestTeams::teamIdBytes() {
    QFETCH(QByteArray, idBytes);
    QFETCH(qint32, teamId);
    QFETCH(bool, found);
    QByteArray table(164, '\0');
    table.replace(0, 4, idBytes);
    QCOMPARE(RosterTable::findTeam(table, teamId, 1).has_value(), found);
}

void TestTeams::readSlots_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<qint32>("playerId");
    QTest::addColumn<int>("shirt");
    QTest::newRow("slot 0, empty") << 0 << 0 << 0;
    QTest::newRow("slot 1, shirt 255") << 1 << 4210 << 255;
    QTest::newRow("slot 15, shirt 128") << 15 << 12345 << 128;
    QTest::newRow("slot 30, negative ID") << 30 << -2 << 99;
    QTest::newRow("slot 31, largest ID") << 31 << 2147483647 << 1;
}

void TestTeams::readSlots() {
    QFETCH(int, slot);
    QFETCH(qint32, playerId);
    QFETCH(int, shirt);
    // Three records; the middle one is read. Every other slot holds an ID and shirt of its own.
    QByteArray table = rosterRecords({1, 2, 3});
    const qint64 at = 164;
    for (int s = 0; s < 32; ++s) {
        qToLittleEndian<qint32>(1000 + s, table.data() + at + 4 + 4 * s);
        table[at + 132 + s] = char(50 + s);
    }
    qToLittleEndian<qint32>(playerId, table.data() + at + 4 + 4 * slot);
    table[at + 132 + slot] = char(shirt);

    const std::vector<RosterSlot> read = RosterTable::readSlots(table, at);
    QCOMPARE(int(read.size()), 32);
    for (int s = 0; s < 32; ++s) {
        QCOMPARE(read[s].playerId, s == slot ? playerId : 1000 + s);
        QCOMPARE(read[s].shirtNumber, s == slot ? shirt : 50 + s);
    }
}

void TestTeams::sampleRosters() {
    const QByteArray db = SampleBuilder::playerDatabase();
    const QByteArrayView table = QByteArrayView(db).sliced(RosterLayout::tableStart);
    const QList<SampleBuilder::Team>& teams = SampleBuilder::teams();
    QCOMPARE(teams.size(), SampleBuilder::teamCount);
    for (int j = 0; j < teams.size(); ++j) {
        int first = 0; // the first listed team with this ID owns it
        while (teams[first].id != teams[j].id)
            ++first;
        const auto found = RosterTable::findTeam(table, teams[j].id, SampleBuilder::teamCount);
        QCOMPARE(found.value_or(-1), qint64(164) * first);
    }
    const SampleBuilder::Team& full = teams[SampleBuilder::fullRosterTeam];
    const auto read = RosterTable::readSlots(table, 164 * SampleBuilder::fullRosterTeam);
    for (int s = 0; s < 32; ++s) {
        QCOMPARE(read[s].playerId, SampleBuilder::playerId(full.players[s]));
        QCOMPARE(read[s].shirtNumber, int(full.shirtNumbers[s]));
    }
}

// ---- Name folding ----

void TestTeams::fold_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folded");
    QTest::newRow("accented capital stays")
        << QString::fromUtf8("MESUT ÖZIL") << QString::fromUtf8("mesut Özil");
    QTest::newRow("small letters stay") << QStringLiteral("abc") << QStringLiteral("abc");
    QTest::newRow("digits and punctuation stay")
        << QStringLiteral("A-1 B.2'C") << QStringLiteral("a-1 b.2'c");
    QTest::newRow("empty") << QString() << QString();
}

void TestTeams::fold() {
    QFETCH(QString, text);
    QFETCH(QString, folded);
    QCOMPARE(aToZ().fold(text), folded);
}

void TestTeams::find_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::newRow("as written") << QStringLiteral("John Smith") << 1;
    QTest::newRow("all capitals") << QStringLiteral("JOHN SMITH") << 1;
    QTest::newRow("all small") << QStringLiteral("john smith") << 1;
    QTest::newRow("accented name in capitals") << QString::fromUtf8("MESUT ÖZIL") << 2;
    QTest::newRow("small accent against a capital one") << QString::fromUtf8("mesut özil") << -1;
    QTest::newRow("surname alone") << QStringLiteral("Smith") << -1;
    QTest::newRow("extra blank") << QStringLiteral("John  Smith") << -1;
    QTest::newRow("trailing blank") << QStringLiteral("John Smith ") << -1;
    QTest::newRow("first of two duplicates") << QStringLiteral("ANA LIMA") << 3;
    QTest::newRow("empty text") << QString() << -1;
}

void TestTeams::find() {
    QFETCH(QString, text);
    QFETCH(int, position);
    const QStringList names{QStringLiteral("Paul Jones"), QStringLiteral("John Smith"),
                            QString::fromUtf8("Mesut Özil"), QStringLiteral("Ana Lima"),
                            QStringLiteral("Ana Lima")};
    QCOMPARE(aToZ().find(names, text), position);
}

// ---- Colour bands ----

void TestTeams::colourBands_data() {
    using namespace ColourBands;
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rgb>("colour");
    QTest::newRow("69") << QStringLiteral("69") << white;
    QTest::newRow("69.5") << QStringLiteral("69.5") << white;
    QTest::newRow("70") << QStringLiteral("70") << green;
    QTest::newRow("79") << QStringLiteral("79") << green;
    QTest::newRow("79.5") << QStringLiteral("79.5") << yellow;
    QTest::newRow("80") << QStringLiteral("80") << yellow;
    QTest::newRow("89") << QStringLiteral("89") << yellow;
    QTest::newRow("90") << QStringLiteral("90") << orange;
    QTest::newRow("94") << QStringLiteral("94") << orange;
    QTest::newRow("95") << QStringLiteral("95") << red;
    QTest::newRow("99") << QStringLiteral("99") << red;
    QTest::newRow("empty") << QString() << white;
    QTest::newRow("abc") << QStringLiteral("abc") << white;
    QTest::newRow("-5") << QStringLiteral("-5") << white;
    QTest::newRow("85abc") << QStringLiteral("85abc") << yellow;
    QTest::newRow("blanks inside") << QStringLiteral(" 9 5") << red;
}

void TestTeams::colourBands() {
    QFETCH(QString, text);
    QFETCH(ColourBands::Rgb, colour);
    const ColourBands::Rgb got = ColourBands::forText(text);
    QCOMPARE(QList<int>({got.red, got.green, got.blue}),
             QList<int>({colour.red, colour.green, colour.blue}));
}

QTEST_GUILESS_MAIN(TestTeams)
#include "tst_teams.moc"
