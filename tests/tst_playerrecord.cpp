// The player record: where records and their fields lie, how stored bytes become shown values,
// the registered position codes, and the player index read in one pass over the table.
#include "player/playerindex.h"
#include "player/playerrecord.h"
#include "player/positiontable.h"
#include "tests/testsupport.h"
#include "tools/samplebuilder.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <limits>

namespace {

// A record whose every byte differs from its neighbours, with the fields set by hand at their
// offsets from the record start.
QByteArray craftedRecord() {
    QByteArray r(228, '\0');
    for (int i = 0; i < r.size(); ++i)
        r[i] = char(0x40 + i % 50);
    qToLittleEndian<qint32>(-5, r.data() + 0); // ID
    const QByteArray name = "Mesut \xD6zil";
    r.replace(50, 46, name + QByteArray(46 - name.size(), '\0'));
    r.replace(96, 16, QByteArray("\xD6ZIL\0", 5) + QByteArray(11, '\x55'));
    r[114] = char(3);   // spacing
    r[116] = char(17);  // foot
    r[117] = char(178); // position code
    for (int s = 0; s < 31; ++s)
        r[122 + s] = char(0x90 + s);                  // ability block
    r[160] = char(32);                                // height
    r[161] = char(200);                               // weight
    qToLittleEndian<quint16>(0x8D81, r.data() + 162); // raw word
    qToLittleEndian<qint16>(42, r.data() + 164);      // face
    qToLittleEndian<qint16>(-2, r.data() + 166);      // hair
    r[218] = char(37);                                // age
    return r;
}

} // namespace

class TestPlayerRecord : public QObject {
    Q_OBJECT

private slots:
    void recordPlaces_data();
    void recordPlaces();
    void decodeReadsEveryField();
    void fullWidthNameEndsWhereTheShirtNameBegins();
    void shownAgeAndHeight_data();
    void shownAgeAndHeight();
    void flaggedBytes_data();
    void flaggedBytes();
    void footEntry_data();
    void footEntry();
    void hexText_data();
    void hexText();

    void positionForReadCode_data();
    void positionForReadCode();
    void noOtherCodeSelectsAPosition();
    void storedCodeAndCheckBox_data();
    void storedCodeAndCheckBox();

    void indexOfTheSampleDatabase();
    void indexOfCraftedRecords();
    void loadRefusesWhatIsNotAWholeTable_data();
    void loadRefusesWhatIsNotAWholeTable();
};

// ---- Layout and decoding ----

void TestPlayerRecord::recordPlaces_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<qint64>("nameOffset");
    QTest::addColumn<qint64>("idAt");
    QTest::addColumn<qint64>("ageAt");
    QTest::newRow("first record") << 0 << qint64(82) << qint64(32) << qint64(250);
    QTest::newRow("second record") << 1 << qint64(310) << qint64(260) << qint64(478);
    QTest::newRow("last record") << 6664 << qint64(1519474) << qint64(1519424) << qint64(1519642);
}

void TestPlayerRecord::recordPlaces() {
    QFETCH(int, index);
    QFETCH(qint64, nameOffset);
    QFETCH(qint64, idAt);
    QFETCH(qint64, ageAt);
    QCOMPARE(PlayerLayout::nameOffset(index), nameOffset);
    QCOMPARE(PlayerLayout::recordStart(index), idAt);
    QCOMPARE(nameOffset + PlayerLayout::playerId, idAt);
    QCOMPARE(nameOffset + PlayerLayout::age, ageAt);
    QCOMPARE(PlayerLayout::tableEnd, qint64(1519652));
    QCOMPARE(PlayerLayout::recordCount, 6665);
}

void TestPlayerRecord::decodeReadsEveryField() {
    const PlayerRecord r = PlayerRecord::decode(craftedRecord());
    QCOMPARE(r.id, -5);
    QCOMPARE(r.name, QString::fromUtf8("Mesut Özil"));
    QCOMPARE(r.shirtName, QString::fromUtf8("ÖZIL"));
    QCOMPARE(int(r.spacing), 3);
    QCOMPARE(int(r.foot), 17);
    QCOMPARE(int(r.positionCode), 178);
    for (int s = 0; s < 31; ++s)
        QCOMPARE(int(r.abilityBlock[s]), 0x90 + s);
    QCOMPARE(int(r.height), 32);
    QCOMPARE(int(r.weight), 200);
    QCOMPARE(r.rawWord, qint16(quint16(0x8D81)));
    QCOMPARE(r.faceBase, qint16(42));
    QCOMPARE(r.hairBase, qint16(-2));
    QCOMPARE(int(r.age), 37);
    QCOMPARE(PlayerValues::shownFace(r.faceBase), 300);
    QCOMPARE(PlayerValues::shownHair(r.hairBase), 3830);
    QCOMPARE(PlayerValues::hexText(quint16(r.rawWord)), QStringLiteral("8D81"));
}

void TestPlayerRecord::fullWidthNameEndsWhereTheShirtNameBegins() {
    QByteArray record = craftedRecord();
    const QByteArray name(46, 'x');
    record.replace(50, 46, name);
    const PlayerRecord r = PlayerRecord::decode(record);
    QCOMPARE(r.name, QString::fromLatin1(name));
    QCOMPARE(r.shirtName, QString::fromUtf8("ÖZIL"));
}

// ---- Shown values ----

void TestPlayerRecord::shownAgeAndHeight_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("age");
    QTest::addColumn<int>("height");
    QTest::newRow("0") << 0 << -17 << 148;
    QTest::newRow("17") << 17 << 0 << 165;
    QTest::newRow("32") << 32 << 15 << 180;
    QTest::newRow("37") << 37 << 20 << 185;
    QTest::newRow("255") << 255 << 238 << 403;
}

void TestPlayerRecord::shownAgeAndHeight() {
    QFETCH(int, stored);
    QFETCH(int, age);
    QFETCH(int, height);
    QCOMPARE(PlayerValues::shownAge(quint8(stored)), age);
    QCOMPARE(PlayerValues::shownHeight(quint8(stored)), height);
}

// Abilities and weight: value in bits 0-6, flag in bit 7. Bytes 100-127 have no flag, and show
// their bits 0-6 as they are (weight 100 shows 100, never a negative number).
void TestPlayerRecord::flaggedBytes_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("flag");
    QTest::newRow("0") << 0 << 0 << false;
    QTest::newRow("99") << 99 << 99 << false;
    QTest::newRow("100") << 100 << 100 << false;
    QTest::newRow("127") << 127 << 127 << false;
    QTest::newRow("128") << 128 << 0 << true;
    QTest::newRow("150") << 150 << 22 << true;
    QTest::newRow("200 (weight 72, flagged)") << 200 << 72 << true;
    QTest::newRow("208") << 208 << 80 << true;
    QTest::newRow("227") << 227 << 99 << true;
    QTest::newRow("255") << 255 << 127 << true;
}

void TestPlayerRecord::flaggedBytes() {
    QFETCH(int, stored);
    QFETCH(int, value);
    QFETCH(bool, flag);
    QCOMPARE(PlayerValues::flaggedValue(quint8(stored)), value);
    QCOMPARE(PlayerValues::hasFlag(quint8(stored)), flag);
}

void TestPlayerRecord::footEntry_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("entry");
    for (int b = 0; b <= 17; ++b)
        QTest::addRow("%d", b) << b << (b % 2 == 0 ? 0 : 1);
    for (int b : {18, 19, 26, 40, 255})
        QTest::addRow("%d unrecognised", b) << b << -1;
}

void TestPlayerRecord::footEntry() {
    QFETCH(int, stored);
    QFETCH(int, entry);
    QCOMPARE(PlayerValues::footEntry(quint8(stored)), entry);
}

void TestPlayerRecord::hexText_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("usual word") << 0x0D81 << QStringLiteral("D81");
    QTest::newRow("negative word") << 0x8D81 << QStringLiteral("8D81");
    QTest::newRow("26") << 26 << QStringLiteral("1A");
    QTest::newRow("0") << 0 << QStringLiteral("0");
    QTest::newRow("all bits") << 0xFFFF << QStringLiteral("FFFF");
}

void TestPlayerRecord::hexText() {
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(PlayerValues::hexText(quint16(value)), text);
}

// ---- Registered position ----

namespace {

const QStringList positionCaptions{"GK",  "SWP", "CB",  "SB", "WB", "DMF",
                                   "CMF", "SMF", "AMF", "WF", "SS", "CF"};

const QHash<int, int>& readCodes() {
    static const QHash<int, int> codes{
        {0, 0},   {4, 0},   {8, 0},    {12, 0},   {50, 1},   {48, 2},   {32, 2},   {64, 3},
        {65, 3},  {66, 3},  {96, 4},   {97, 4},   {98, 4},   {80, 5},   {81, 5},   {82, 5},
        {112, 6}, {113, 6}, {114, 6},  {128, 7},  {129, 7},  {130, 7},  {144, 8},  {145, 8},
        {146, 8}, {160, 9}, {176, 10}, {177, 10}, {179, 10}, {192, 11}, {193, 11}, {178, 11},
    };
    return codes;
}

} // namespace

void TestPlayerRecord::positionForReadCode_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("entry");
    for (auto it = readCodes().cbegin(); it != readCodes().cend(); ++it)
        QTest::addRow("%d -> %s", it.key(), qPrintable(positionCaptions[it.value()]))
            << it.key() << it.value();
    for (int code : {1, 16, 49, 99, 161, 180, 194, 255, -1, 256})
        QTest::addRow("%d unknown", code) << code << -1;
}

void TestPlayerRecord::positionForReadCode() {
    QFETCH(int, code);
    QFETCH(int, entry);
    QCOMPARE(PositionTable::entryForCode(code), entry);
}

void TestPlayerRecord::noOtherCodeSelectsAPosition() {
    for (int code = 0; code < 256; ++code)
        if (!readCodes().contains(code))
            QVERIFY2(PositionTable::entryForCode(code) == -1, qPrintable(QString::number(code)));
}

void TestPlayerRecord::storedCodeAndCheckBox_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("code");
    const int codes[] = {0, 50, 48, 65, 97, 81, 113, 129, 145, 160, 177, 192};
    for (int entry = 0; entry < 12; ++entry)
        QTest::addRow("%s", qPrintable(positionCaptions[entry])) << entry << codes[entry];
}

void TestPlayerRecord::storedCodeAndCheckBox() {
    QFETCH(int, entry);
    QFETCH(int, code);
    QCOMPARE(PositionTable::captions().value(entry), positionCaptions[entry]);
    QCOMPARE(PositionTable::codeForEntry(entry), code);
    QCOMPARE(PositionTable::entryForCode(code), entry);
    QCOMPARE(PositionTable::checkBoxForEntry(entry), entry + 1);
}

// ---- The player index ----

void TestPlayerRecord::indexOfTheSampleDatabase() {
    const QByteArray db = SampleBuilder::playerDatabase();
    const PlayerIndex index = PlayerIndex::decode(db);
    QCOMPARE(index.names.size(), 6665);
    QCOMPARE(index.nameOffsets.size(), 6665);
    QCOMPARE(index.ids.size(), 6665);
    QCOMPARE(index.shirtTexts.size(), 6665);
    QCOMPARE(index.nameOffsets.first(), QStringLiteral("82"));
    QCOMPARE(index.nameOffsets.at(1), QStringLiteral("310"));
    QCOMPARE(index.nameOffsets.last(), QStringLiteral("1519474"));
    for (int i = 0; i < PlayerLayout::recordCount; ++i) {
        if (!SampleBuilder::isIntactPlayer(i))
            continue;
        QCOMPARE(index.names.at(i), SampleBuilder::playerName(i));
        QCOMPARE(index.ids.at(i), QString::number(SampleBuilder::playerId(i)));
    }
    QCOMPARE(index.names.at(SampleBuilder::accentedNamePlayer), QString::fromUtf8("Mesut Özil"));
    QCOMPARE(index.shirtTexts.at(SampleBuilder::accentedNamePlayer), QString::fromUtf8("ÖZIL"));
    QCOMPARE(index.names.at(SampleBuilder::fullWidthNamePlayer).size(), 46);
    QCOMPARE(index.shirtTexts.at(SampleBuilder::fullWidthNamePlayer), QString::fromUtf8("SÁNCHEZ"));
}

void TestPlayerRecord::indexOfCraftedRecords() {
    QByteArray table(PlayerLayout::tableEnd, '\0');
    const auto n = [](int index) { return 32 + 228 * index + 50; };
    qToLittleEndian<qint32>(-5, table.data() + n(0) - 50);
    qToLittleEndian<qint32>(0, table.data() + n(1) - 50);
    qToLittleEndian<qint32>(std::numeric_limits<qint32>::min(), table.data() + n(2) - 50);
    qToLittleEndian<qint32>(std::numeric_limits<qint32>::max(), table.data() + n(6664) - 50);
    // Record 0: a 16-byte shirt name with no zero after it; the next bytes are not part of it.
    table.replace(n(0) + 46, 19, QByteArray("ABCDEFGHIJKLMNOPXY\0", 19));
    // Record 1: no zero for 27 bytes.
    table.replace(n(1) + 46, 27, QByteArray(26, 'q') + "Z");
    // Record 2: a short shirt name, then bytes the text must not reach.
    table.replace(n(2) + 46, 8, QByteArray("AB\0CDEFG", 8));
    table.replace(n(6664), 3, "Zed");

    const PlayerIndex index = PlayerIndex::decode(table);
    QCOMPARE(index.ids.at(0), QStringLiteral("-5"));
    QCOMPARE(index.ids.at(1), QStringLiteral("0"));
    QCOMPARE(index.ids.at(2), QStringLiteral("-2147483648"));
    QCOMPARE(index.ids.at(6664), QStringLiteral("2147483647"));
    QCOMPARE(index.shirtTexts.at(0), QStringLiteral("ABCDEFGHIJKLMNOP"));
    QCOMPARE(index.shirtTexts.at(1), QString(16, u'q'));
    QCOMPARE(index.shirtTexts.at(2), QStringLiteral("AB"));
    QCOMPARE(index.shirtTexts.at(3), QString());
    QCOMPARE(index.names.at(6664), QStringLiteral("Zed"));
    QCOMPARE(index.names.at(0), QString());
}

void TestPlayerRecord::loadRefusesWhatIsNotAWholeTable_data() {
    QTest::addColumn<qint64>("size"); // -1: no file
    QTest::addColumn<bool>("loaded");
    QTest::newRow("missing") << qint64(-1) << false;
    QTest::newRow("empty") << qint64(0) << false;
    QTest::newRow("one byte short") << qint64(1519651) << false;
    QTest::newRow("exactly the table") << qint64(1519652) << true;
    QTest::newRow("the whole database") << SampleBuilder::playerDatabaseSize << true;
}

void TestPlayerRecord::loadRefusesWhatIsNotAWholeTable() {
    QFETCH(qint64, size);
    QFETCH(bool, loaded);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("unnamed_25.bin.unzlib"));
    if (size >= 0)
        QVERIFY(TestSupport::writeFile(path, SampleBuilder::playerDatabase().first(size)));
    QString error;
    const auto index = PlayerIndex::load(WorkingCopy(path), &error);
    QCOMPARE(index.has_value(), loaded);
    if (loaded) {
        QCOMPARE(index->names.size(), 6665);
        QCOMPARE(index->names.at(SampleBuilder::accentedNamePlayer),
                 QString::fromUtf8("Mesut Özil"));
    } else {
        QVERIFY(!error.isEmpty());
        if (size >= 0)
            QVERIFY2(error.contains(QStringLiteral("too short")), qPrintable(error));
    }
    QCOMPARE(QFile::exists(path), size >= 0);
}

QTEST_GUILESS_MAIN(TestPlayerRecord)
#include "tst_playerrecord.moc"
