// The write-backs of one player record: the bytes "Apply Changes" and "Apply Abilities" write,
// and the values they refuse without writing anything.
#include "appearance/relink.h"
#include "player/playeredits.h"
#include "player/playerrecord.h"

#include <QMap>
#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(PlayerEdits::Details)
Q_DECLARE_METATYPE(PlayerEdits::Abilities)

namespace {

using SlotBytes = QMap<int, int>; // ability slot -> expected byte

// The record lies inside a larger buffer, so a patch placed from the record start instead of from
// N, or outside the record, shows as a changed byte where none belongs.
constexpr qint64 recordStart = 300;
constexpr qint64 n = recordStart + 50;
constexpr int bufferSize = 1000;

struct Stored {
    int foot = 16;
    int weight = 70;
    int penaltyStopper = 10;
    int longThrow = 20;
};

QByteArray craftedBuffer(const Stored& stored) {
    QByteArray buffer(bufferSize, '\0');
    for (int i = 0; i < bufferSize; ++i)
        buffer[i] = char(i * 13 + 7);
    buffer[n + 66] = char(stored.foot);
    buffer[n + 111] = char(stored.weight);
    buffer[n + 72 + 29] = char(stored.penaltyStopper);
    buffer[n + 72 + 30] = char(stored.longThrow);
    return buffer;
}

PlayerRecord decodeAt(const QByteArray& buffer) {
    return PlayerRecord::decode(QByteArrayView(buffer).sliced(recordStart, 228));
}

bool insideTheRecord(const std::vector<Patch>& patches) {
    return std::all_of(patches.begin(), patches.end(), [](const Patch& p) {
        return p.offset >= recordStart && p.offset + p.bytes.size() <= recordStart + 228;
    });
}

QByteArray applied(QByteArray buffer, const std::vector<Patch>& patches) {
    for (const Patch& p : patches)
        buffer.replace(p.offset, p.bytes.size(), p.bytes);
    return buffer;
}

void put(QByteArray& buffer, qint64 fromN, int byte) {
    buffer[n + fromN] = char(byte);
}

void putField(QByteArray& buffer, qint64 fromN, const QByteArray& bytes, int width) {
    buffer.replace(n + fromN, width, bytes + QByteArray(width - bytes.size(), '\0'));
}

PlayerEdits::Details validDetails() {
    PlayerEdits::Details d;
    d.name = QStringLiteral("Ab Cd");
    d.shirtName = QStringLiteral("CD");
    d.positionCode = QStringLiteral("65");
    d.spacing = QStringLiteral("1");
    d.age = QStringLiteral("20");
    d.footEntry = -1;
    d.weight = QStringLiteral("75");
    d.height = QStringLiteral("180");
    return d;
}

PlayerEdits::Abilities validAbilities() {
    PlayerEdits::Abilities a;
    a.values.fill(QStringLiteral("50"));
    a.specialAbilitySum = QStringLiteral("0");
    return a;
}

struct Expected {
    QByteArray name = "Ab Cd";
    QByteArray shirtName = "CD";
    int position = 65;
    int spacing = 0;
    int age = 37;
    int foot = -1; // -1: the stored byte stays
    int weight = 75;
    int height = 32;
};

} // namespace

Q_DECLARE_METATYPE(Stored)
Q_DECLARE_METATYPE(Expected)

class TestPlayerEdits : public QObject {
    Q_OBJECT

private slots:
    void details_data();
    void details();
    void refusedDetails_data();
    void refusedDetails();
    void abilities_data();
    void abilities();
    void refusedAbilities_data();
    void refusedAbilities();
    void penaltyStopperByte_data();
    void penaltyStopperByte();
    void longThrowByte_data();
    void longThrowByte();
    void rosterTableGuard_data();
    void rosterTableGuard();
};

// ---- Apply Changes ----

void TestPlayerEdits::details_data() {
    QTest::addColumn<PlayerEdits::Details>("details");
    QTest::addColumn<Stored>("stored");
    QTest::addColumn<Expected>("expected");

    PlayerEdits::Details d = validDetails();
    Expected e;
    QTest::newRow("5-character name: 41 zeros follow") << d << Stored{} << e;

    d = validDetails();
    e = Expected{};
    d.name = QString(46, u'n');
    e.name = QByteArray(46, 'n');
    QTest::newRow("46-character name: no zero") << d << Stored{} << e;

    d = validDetails();
    e = Expected{};
    d.name = QString::fromUtf8("Mesut Özil");
    e.name = "Mesut \xD6zil";
    QTest::newRow("code-page letter") << d << Stored{} << e;

    d = validDetails();
    e = Expected{};
    d.shirtName.clear();
    e.shirtName.clear();
    QTest::newRow("empty shirt name: 16 zeros") << d << Stored{} << e;

    d = validDetails();
    e = Expected{};
    d.shirtName = QString(16, u'S');
    e.shirtName = QByteArray(16, 'S');
    QTest::newRow("16-character shirt name") << d << Stored{} << e;

    d = validDetails();
    e = Expected{};
    d.spacing = QStringLiteral("256");
    e.spacing = 255;
    QTest::newRow("spacing 256 -> 255") << d << Stored{} << e;

    d = validDetails();
    e = Expected{};
    d.age = QStringLiteral("-17");
    e.age = 0;
    QTest::newRow("age -17 -> 0") << d << Stored{} << e;

    d = validDetails();
    e = Expected{};
    d.age = QStringLiteral("238");
    e.age = 255;
    QTest::newRow("age 238 -> 255") << d << Stored{} << e;

    d = validDetails();
    e = Expected{};
    d.footEntry = 1;
    e.foot = 17;
    QTest::newRow("Left on 16 -> 17") << d << Stored{16} << e;

    d.footEntry = 0;
    e.foot = 16;
    QTest::newRow("Right on 17 -> 16") << d << Stored{17} << e;

    d.footEntry = 1;
    e.foot = 1;
    QTest::newRow("Left on 1 stays 1") << d << Stored{1} << e;

    d.footEntry = -1;
    e.foot = -1;
    QTest::newRow("no foot entry: byte 26 not written") << d << Stored{26} << e;

    d = validDetails();
    e = Expected{};
    e.weight = 203;
    QTest::newRow("weight 75 keeps the flag of 200") << d << Stored{16, 200} << e;

    d.weight = QStringLiteral("0");
    e.weight = 128;
    QTest::newRow("weight 0 on 128") << d << Stored{16, 128} << e;

    d.weight = QStringLiteral("127");
    e.weight = 127;
    QTest::newRow("weight 127 on 0") << d << Stored{16, 0} << e;

    d.weight = QStringLiteral("70.5");
    e.weight = 70;
    QTest::newRow("weight 70.5 -> 70") << d << Stored{} << e;

    d.weight = QStringLiteral("71.5");
    e.weight = 72;
    QTest::newRow("weight 71.5 -> 72") << d << Stored{} << e;

    d = validDetails();
    e = Expected{};
    d.height = QStringLiteral("148");
    e.height = 0;
    QTest::newRow("height 148 -> 0") << d << Stored{} << e;

    d.height = QStringLiteral("403");
    e.height = 255;
    QTest::newRow("height 403 -> 255") << d << Stored{} << e;

    d = validDetails();
    e = Expected{};
    d.positionCode = QStringLiteral("0");
    e.position = 0;
    QTest::newRow("position code 0") << d << Stored{} << e;

    d.positionCode = QStringLiteral("255");
    e.position = 255;
    QTest::newRow("position code 255") << d << Stored{} << e;
}

void TestPlayerEdits::details() {
    QFETCH(PlayerEdits::Details, details);
    QFETCH(Stored, stored);
    QFETCH(Expected, expected);
    const QByteArray before = craftedBuffer(stored);
    const PlayerEdits::Result result = PlayerEdits::applyDetails(n, details, decodeAt(before));
    QVERIFY2(result.ok(), qPrintable(result.error));
    QVERIFY(insideTheRecord(result.patches));

    QByteArray want = before;
    putField(want, 0, expected.name, 46);
    putField(want, 46, expected.shirtName, 16);
    put(want, 64, expected.spacing);
    if (expected.foot >= 0)
        put(want, 66, expected.foot);
    put(want, 67, expected.position);
    put(want, 110, expected.height);
    put(want, 111, expected.weight);
    put(want, 168, expected.age);
    QCOMPARE(applied(before, result.patches).toHex(' '), want.toHex(' '));
}

void TestPlayerEdits::refusedDetails_data() {
    QTest::addColumn<PlayerEdits::Details>("details");
    QTest::addColumn<QString>("field");
    const auto with = [](auto change) {
        PlayerEdits::Details d = validDetails();
        change(d);
        return d;
    };
    QTest::newRow("age 300") << with([](auto& d) { d.age = QStringLiteral("300"); })
                             << QStringLiteral("Age");
    QTest::newRow("age -20") << with([](auto& d) { d.age = QStringLiteral("-20"); })
                             << QStringLiteral("Age");
    QTest::newRow("spacing 0") << with([](auto& d) { d.spacing = QStringLiteral("0"); })
                               << QStringLiteral("Spacing");
    QTest::newRow("spacing 257") << with([](auto& d) { d.spacing = QStringLiteral("257"); })
                                 << QStringLiteral("Spacing");
    QTest::newRow("weight 128") << with([](auto& d) { d.weight = QStringLiteral("128"); })
                                << QStringLiteral("Weight");
    QTest::newRow("weight -1") << with([](auto& d) { d.weight = QStringLiteral("-1"); })
                               << QStringLiteral("Weight");
    QTest::newRow("height 100") << with([](auto& d) { d.height = QStringLiteral("100"); })
                                << QStringLiteral("Height");
    QTest::newRow("height 500") << with([](auto& d) { d.height = QStringLiteral("500"); })
                                << QStringLiteral("Height");
    QTest::newRow("position code 256")
        << with([](auto& d) { d.positionCode = QStringLiteral("256"); })
        << QStringLiteral("Position");
    QTest::newRow("name with L stroke")
        << with([](auto& d) { d.name = QString::fromUtf8("Łukasz Piszczek"); })
        << QStringLiteral("Name");
    QTest::newRow("name of 47 characters")
        << with([](auto& d) { d.name = QString(47, u'n'); }) << QStringLiteral("Name");
    QTest::newRow("shirt name of 17 characters")
        << with([](auto& d) { d.shirtName = QString(17, u's'); }) << QStringLiteral("shirt");
}

void TestPlayerEdits::refusedDetails() {
    QFETCH(PlayerEdits::Details, details);
    QFETCH(QString, field);
    const QByteArray before = craftedBuffer(Stored{});
    const PlayerEdits::Result result = PlayerEdits::applyDetails(n, details, decodeAt(before));
    QVERIFY(!result.ok());
    QVERIFY(result.patches.empty());
    QVERIFY2(result.error.contains(field), qPrintable(result.error));
    QCOMPARE(applied(before, result.patches), before);
}

// ---- Apply Abilities ----

// Expected bytes of the ability block by slot, where they differ from the baseline: every
// ability 50, special sum 0, slots 26 and 27 and the two option bytes as stored.
void TestPlayerEdits::abilities_data() {
    QTest::addColumn<PlayerEdits::Abilities>("abilities");
    QTest::addColumn<Stored>("stored");
    QTest::addColumn<SlotBytes>("bySlot");

    PlayerEdits::Abilities a = validAbilities();
    QTest::newRow("baseline") << a << Stored{} << SlotBytes{};

    a.values[0] = QStringLiteral("85");
    a.flags[0] = true;
    QTest::newRow("attack 85 flagged") << a << Stored{} << SlotBytes{{0, 213}};

    a.flags[0] = false;
    QTest::newRow("attack 85") << a << Stored{} << SlotBytes{{0, 85}};

    a.values[0] = QStringLiteral("70.5");
    QTest::newRow("attack 70.5 -> 70") << a << Stored{} << SlotBytes{{0, 70}};

    a.values[0] = QStringLiteral("71.5");
    QTest::newRow("attack 71.5 -> 72") << a << Stored{} << SlotBytes{{0, 72}};

    a = validAbilities();
    a.values[25] = QStringLiteral("70");
    a.flags[25] = true;
    QTest::newRow("goalkeeper skills 70 flagged") << a << Stored{} << SlotBytes{{25, 198}};

    a = validAbilities();
    a.values[23] = QStringLiteral("70");
    a.flags[23] = true;
    a.values[24] = QStringLiteral("41");
    QTest::newRow("team work 70 flagged, mentality apart")
        << a << Stored{} << SlotBytes{{23, 198}, {24, 41}};

    a = validAbilities();
    SlotBytes distinct;
    for (int s = 0; s < 26; ++s) {
        a.values[s] = QString::number(40 + s);
        a.flags[s] = s % 3 == 0;
        distinct[s] = 40 + s + (s % 3 == 0 ? 128 : 0);
    }
    QTest::newRow("every slot its own value") << a << Stored{} << distinct;

    a = validAbilities();
    a.specialAbilitySum = QStringLiteral("11");
    QTest::newRow("special sum 11") << a << Stored{} << SlotBytes{{28, 11}};

    a.specialAbilitySum = QStringLiteral("255");
    QTest::newRow("special sum 255") << a << Stored{} << SlotBytes{{28, 255}};

    a = validAbilities();
    a.penaltyStopper = true;
    a.longThrow = true;
    QTest::newRow("both options set")
        << a << Stored{16, 70, 10, 20} << SlotBytes{{29, 74}, {30, 148}};

    a.penaltyStopper = false;
    a.longThrow = false;
    QTest::newRow("both options cleared")
        << a << Stored{16, 70, 74, 148} << SlotBytes{{29, 10}, {30, 20}};
}

void TestPlayerEdits::abilities() {
    QFETCH(PlayerEdits::Abilities, abilities);
    QFETCH(Stored, stored);
    QFETCH(SlotBytes, bySlot);
    const QByteArray before = craftedBuffer(stored);
    const PlayerEdits::Result result = PlayerEdits::applyAbilities(n, abilities, decodeAt(before));
    QVERIFY2(result.ok(), qPrintable(result.error));
    QVERIFY(insideTheRecord(result.patches));

    QByteArray want = before;
    for (int s = 0; s < 26; ++s)
        put(want, 72 + s, 50);
    put(want, 72 + 28, 0);
    for (auto it = bySlot.cbegin(); it != bySlot.cend(); ++it)
        put(want, 72 + it.key(), it.value());
    QCOMPARE(applied(before, result.patches).toHex(' '), want.toHex(' '));
}

void TestPlayerEdits::refusedAbilities_data() {
    QTest::addColumn<PlayerEdits::Abilities>("abilities");
    QTest::addColumn<QString>("field");
    PlayerEdits::Abilities a = validAbilities();
    a.values[0] = QStringLiteral("128");
    QTest::newRow("attack 128") << a << QStringLiteral("Attack");
    a.values[0] = QStringLiteral("-1");
    QTest::newRow("attack -1") << a << QStringLiteral("Attack");

    a = validAbilities();
    a.values[25] = QStringLiteral("300");
    QTest::newRow("goalkeeper skills 300") << a << QStringLiteral("Goalkeeper Skills");

    a = validAbilities();
    a.values[23] = QStringLiteral("128");
    QTest::newRow("team work 128") << a << QStringLiteral("Team Work");

    a = validAbilities();
    a.specialAbilitySum = QStringLiteral("-1");
    a.penaltyStopper = true;
    QTest::newRow("special sum -1") << a << QStringLiteral("Special abilities");
    a.specialAbilitySum = QStringLiteral("256");
    QTest::newRow("special sum 256") << a << QStringLiteral("Special abilities");
}

void TestPlayerEdits::refusedAbilities() {
    QFETCH(PlayerEdits::Abilities, abilities);
    QFETCH(QString, field);
    const QByteArray before = craftedBuffer(Stored{});
    const PlayerEdits::Result result = PlayerEdits::applyAbilities(n, abilities, decodeAt(before));
    QVERIFY(!result.ok());
    QVERIFY(result.patches.empty());
    QVERIFY2(result.error.contains(field), qPrintable(result.error));
    QCOMPARE(applied(before, result.patches), before);
}

// ---- The option bytes ----

void TestPlayerEdits::penaltyStopperByte_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("result");
    QTest::newRow("10 set") << 10 << true << 74;
    QTest::newRow("74 cleared") << 74 << false << 10;
    QTest::newRow("64 cleared") << 64 << false << 0;
    QTest::newRow("98 already flagged stays") << 98 << true << 98;
    QTest::newRow("74 set again stays (applying twice adds once)") << 74 << true << 74;
    QTest::newRow("34 set") << 34 << true << 98;
    QTest::newRow("99 set stays") << 99 << true << 99;
    QTest::newRow("60 cleared stays") << 60 << false << 60;
    QTest::newRow("62 cleared stays, never negative") << 62 << false << 62;
    QTest::newRow("10 cleared stays") << 10 << false << 10;
    QTest::newRow("200 set stays") << 200 << true << 200;
    QTest::newRow("130 cleared stays (no flag to remove)") << 130 << false << 130;
    QTest::newRow("200 cleared loses the flag") << 200 << false << 136;
}

void TestPlayerEdits::penaltyStopperByte() {
    QFETCH(int, stored);
    QFETCH(bool, checked);
    QFETCH(int, result);
    QCOMPARE(int(PlayerEdits::penaltyStopperByte(quint8(stored), checked)), result);
}

void TestPlayerEdits::longThrowByte_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("result");
    QTest::newRow("20 set") << 20 << true << 148;
    QTest::newRow("148 cleared") << 148 << false << 20;
    QTest::newRow("0 set") << 0 << true << 128;
    QTest::newRow("99 set stays") << 99 << true << 99;
    QTest::newRow("99 cleared stays") << 99 << false << 99;
    QTest::newRow("110 cleared stays") << 110 << false << 110;
    QTest::newRow("20 cleared stays") << 20 << false << 20;
    QTest::newRow("148 set stays") << 148 << true << 148;
}

void TestPlayerEdits::longThrowByte() {
    QFETCH(int, stored);
    QFETCH(bool, checked);
    QFETCH(int, result);
    QCOMPARE(int(PlayerEdits::longThrowByte(quint8(stored), checked)), result);
}

// ---- The roster table over the last records ----

void TestPlayerEdits::rosterTableGuard_data() {
    QTest::addColumn<int>("record");
    QTest::addColumn<bool>("writable");
    // The roster table starts at byte 1470676, inside record 6450 (1470632-1470859).
    QTest::newRow("last record before the table") << 6449 << true;
    QTest::newRow("record the table starts in") << 6450 << false;
    QTest::newRow("record wholly inside") << 6500 << false;
    QTest::newRow("last record") << 6664 << false;
}

void TestPlayerEdits::rosterTableGuard() {
    QFETCH(int, record);
    QFETCH(bool, writable);
    const qint64 nameOffset = 32 + 228 * qint64(record) + 50;
    const PlayerRecord stored;
    PlayerEdits::Details details;
    details.name = details.shirtName = QStringLiteral("A");
    details.positionCode = details.age = details.weight = QStringLiteral("20");
    details.spacing = QStringLiteral("1");
    details.height = QStringLiteral("180");
    PlayerEdits::Abilities abilities;
    abilities.values.fill(QStringLiteral("50"));
    abilities.specialAbilitySum = QStringLiteral("0");
    const PlayerEdits::Result changes = PlayerEdits::applyDetails(nameOffset, details, stored);
    const PlayerEdits::Result abilityBytes =
        PlayerEdits::applyAbilities(nameOffset, abilities, stored);
    const Relink::Result links = Relink::relink(nameOffset, QStringLiteral("0D81"),
                                                QStringLiteral("500"), QStringLiteral("4000"));
    for (const auto& [error, patches] : {std::pair(changes.error, changes.patches),
                                         std::pair(abilityBytes.error, abilityBytes.patches),
                                         std::pair(links.error, links.patches)}) {
        QCOMPARE(error.isEmpty(), writable);
        QCOMPARE(patches.empty(), !writable);
        if (!writable)
            QVERIFY2(error.contains(QStringLiteral("roster table")), qPrintable(error));
    }
}

QTEST_GUILESS_MAIN(TestPlayerEdits)
#include "tst_playeredits.moc"
