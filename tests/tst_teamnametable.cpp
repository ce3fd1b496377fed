// The team file's name tables: placeholders, the pairing of names with short names and IDs, and
// the bytes renaming writes.
#include "teamnames/teamnametable.h"
#include "tests/testsupport.h"

#include <QtEndian>
#include <QtTest>

using namespace TeamNameLayout;

namespace {

// A team file of plain names "Team k" and short names "Tk" with team ID 100 + m.
QByteArray plainTeamFile() {
    QByteArray file(renameEnd + 100, '\0');
    for (int k = 0; k < longNameCount; ++k) {
        const QByteArray name = "Team " + QByteArray::number(k);
        file.replace(longNameOffset(k), name.size(), name);
    }
    for (int m = 0; m < shortNameCount; ++m) {
        const qint64 at = shortNameOffset(m);
        file.replace(at, 3, QByteArray("S") + QByteArray::number(m % 100).rightJustified(2, '0'));
        qToLittleEndian<qint16>(qint16(100 + m), file.data() + at + teamIdInShortEntry);
    }
    return file;
}

void putName(QByteArray& file, int entry, const QByteArray& bytes) {
    file.replace(longNameOffset(entry), nameSlotWidth, QByteArray(nameSlotWidth, '\0'));
    file.replace(longNameOffset(entry), bytes.size(), bytes);
}

} // namespace

class TestTeamNameTable : public QObject {
    Q_OBJECT

private slots:
    void placeholderNames_data();
    void placeholderNames();
    void placeholderShortNames_data();
    void placeholderShortNames();
    void namesEndAtTheFirstZeroByte();
    void teamIdsAreSigned();
    void placeholdersKeepThePairingByPosition();
    void shortWorkingCopyIsRefused_data();
    void shortWorkingCopyIsRefused();
    void renameWritesTwelveSlots_data();
    void renameWritesTwelveSlots();
    void renameRefusesWhatCannotBeStored_data();
    void renameRefusesWhatCannotBeStored();
};

void TestTeamNameTable::placeholderNames_data() {
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<bool>("placeholder");
    QTest::newRow("exactly DUMMY") << QByteArray("DUMMY") << true;
    QTest::newRow("longer, starting with DUMMY") << QByteArray("DUMMY TEAM 12") << true;
    QTest::newRow("lower case") << QByteArray("dummy") << false;
    QTest::newRow("mixed case") << QByteArray("Dummy FC") << false;
    QTest::newRow("DUMM") << QByteArray("DUMM") << false;
    QTest::newRow("DUMMY later in the name") << QByteArray("FC DUMMY") << false;
}

void TestTeamNameTable::placeholderNames() {
    QFETCH(QByteArray, slot);
    QFETCH(bool, placeholder);
    slot.append(nameSlotWidth - slot.size(), '\0');
    QCOMPARE(TeamNameTable::isPlaceholderName(slot), placeholder);
}

void TestTeamNameTable::placeholderShortNames_data() {
    QTest::addColumn<QByteArray>("shortName");
    QTest::addColumn<bool>("placeholder");
    QTest::newRow("DMY") << QByteArray("DMY") << true;
    QTest::newRow("dmy") << QByteArray("dmy") << false;
    QTest::newRow("DM and zero") << QByteArray("DM\0", 3) << false;
    QTest::newRow("ARS") << QByteArray("ARS") << false;
}

void TestTeamNameTable::placeholderShortNames() {
    QFETCH(QByteArray, shortName);
    QFETCH(bool, placeholder);
    QCOMPARE(TeamNameTable::isPlaceholderShortName(shortName), placeholder);
}

void TestTeamNameTable::namesEndAtTheFirstZeroByte() {
    QByteArray file = plainTeamFile();
    putName(file, 0, QByteArray("ABC\0DEF", 7));
    putName(file, 1, QByteArray(nameSlotWidth, 'W')); // fills the slot, no zero byte
    putName(file, 2,
            QByteArray("M\xFC"
                       "nchen"));
    const TeamNameLists lists = TeamNameTable::decode(file);
    QCOMPARE(lists.names.at(0), QStringLiteral("ABC"));
    QCOMPARE(lists.names.at(1), QString(nameSlotWidth, u'W'));
    QCOMPARE(lists.names.at(2), QStringLiteral("München"));
    QCOMPARE(lists.nameOffsets.at(1), QStringLiteral("1468"));
}

void TestTeamNameTable::teamIdsAreSigned() {
    QByteArray file = plainTeamFile();
    file[shortNameOffset(0) + teamIdInShortEntry] = char(0xFF);
    file[shortNameOffset(0) + teamIdInShortEntry + 1] = char(0xFF);
    file[shortNameOffset(1) + teamIdInShortEntry] = char(0x10);
    file[shortNameOffset(1) + teamIdInShortEntry + 1] = char(0x00);
    const TeamNameLists lists = TeamNameTable::decode(file);
    QCOMPARE(lists.teamIds.at(0), QStringLiteral("-1"));
    QCOMPARE(lists.teamIds.at(1), QStringLiteral("16"));
}

void TestTeamNameTable::placeholdersKeepThePairingByPosition() {
    QByteArray file = plainTeamFile();
    putName(file, 3, "DUMMY");
    putName(file, 50, "DUMMY 2");
    putName(file, 199, "DUMMY");
    const TeamNameLists lists = TeamNameTable::decode(file);
    QCOMPARE(lists.names.size(), 197);
    QCOMPARE(lists.nameOffsets.size(), 197);
    QCOMPARE(lists.shortNames.size(), 201);
    QCOMPARE(lists.teamIds.size(), 201);
    QCOMPARE(lists.names.at(3), QStringLiteral("Team 4"));
    QCOMPARE(lists.nameOffsets.at(3), QString::number(longNameOffset(4)));
    QCOMPARE(lists.teamIds.at(3), QStringLiteral("103"));

    file.replace(shortNameOffset(0), 3, "DMY");
    const TeamNameLists withDmy = TeamNameTable::decode(file);
    QCOMPARE(withDmy.shortNames.size(), 200);
    QCOMPARE(withDmy.teamIds.first(), QStringLiteral("101"));
}

void TestTeamNameTable::shortWorkingCopyIsRefused_data() {
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("loads");
    QTest::newRow("empty") << qint64(0) << false;
    QTest::newRow("ends inside the short-name pass") << shortNamePassEnd - 1 << false;
    QTest::newRow("one byte short of the long-name pass") << longNamePassEnd - 1 << false;
    QTest::newRow("exactly long enough") << longNamePassEnd << true;
}

void TestTeamNameTable::shortWorkingCopyIsRefused() {
    QFETCH(qint64, size);
    QFETCH(bool, loads);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("unnamed_32.bin.unzlib"));
    QVERIFY(TestSupport::writeFile(path, plainTeamFile().left(size)));
    QString error;
    const auto lists = TeamNameTable::load(WorkingCopy(path), &error);
    QCOMPARE(lists.has_value(), loads);
    QCOMPARE(error.isEmpty(), loads);
    QVERIFY(!TeamNameTable::load(WorkingCopy(dir.filePath(QStringLiteral("missing"))), &error));
}

void TestTeamNameTable::renameWritesTwelveSlots_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shortName");
    QTest::newRow("seven characters") << "Arsenal"
                                      << "ARS";
    QTest::newRow("seventy characters") << QString(70, u'Z') << "AB";
    QTest::newRow("accented, empty short name") << "Bayern München"
                                                << "";
}

void TestTeamNameTable::renameWritesTwelveSlots() {
    QFETCH(QString, name);
    QFETCH(QString, shortName);
    QByteArray file(renameEnd, '\x55');
    const qint64 n = longNameOffset(199);
    QString error;
    const qint64 shortEntry = 1448 + 1244 * 200;
    const auto patches = TeamNameTable::renamePatches(
        n, name, TeamNameTable::ShortNameTarget{shortName, shortEntry}, &error);
    QVERIFY2(patches, qPrintable(error));
    for (const Patch& p : *patches)
        file.replace(p.offset, p.bytes.size(), p.bytes);

    QByteArray expectedSlot = name.toLatin1(); // the names here are all Latin-1
    expectedSlot.append(nameSlotWidth - expectedSlot.size(), '\0');
    for (int slot = 0; slot < nameSlotCount; ++slot) {
        const QByteArray bytes = file.mid(n + slot * nameSlotWidth, nameSlotWidth);
        const bool untouched = slot == 5 || slot == 6 || slot == 12 || slot == 13;
        QCOMPARE(bytes, untouched ? QByteArray(nameSlotWidth, '\x55') : expectedSlot);
    }
    QByteArray expectedShort = shortName.toLatin1();
    expectedShort.append(3 - expectedShort.size(), '\0');
    QCOMPARE(file.mid(n + renamedShortName, 3), expectedShort);
    // The short-name entry the list shows gets it too, and keeps its fourth byte and team ID.
    QCOMPARE(file.mid(shortEntry, 6), expectedShort + QByteArray(3, '\x55'));
    QCOMPARE(file.at(shortEntry - 1), '\x55');
    QCOMPARE(file.size(), renameEnd); // nothing past the short name
    QCOMPARE(file.at(n - 1), '\x55');

    // Without a short name to write, its three bytes stay as stored.
    const auto withoutShortName = TeamNameTable::renamePatches(n, name, std::nullopt, &error);
    QVERIFY2(withoutShortName, qPrintable(error));
    QCOMPARE(qsizetype(withoutShortName->size()), qsizetype(12));
    for (const Patch& p : *withoutShortName)
        QVERIFY(p.offset + p.bytes.size() <= n + 1120);
}

void TestTeamNameTable::renameRefusesWhatCannotBeStored_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shortName");
    QTest::newRow("71 characters") << QString(71, u'A') << "ABC";
    QTest::newRow("four-letter short name") << "Arsenal"
                                            << "ARSE";
    QTest::newRow("character outside the code page") << QStringLiteral("Łódź") << "LDZ";
    QTest::newRow("short name outside the code page") << "Lodz" << QStringLiteral("ŁDZ");
}

void TestTeamNameTable::renameRefusesWhatCannotBeStored() {
    QFETCH(QString, name);
    QFETCH(QString, shortName);
    QString error;
    QVERIFY(!TeamNameTable::renamePatches(80, name, TeamNameTable::ShortNameTarget{shortName, 1448},
                                          &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestTeamNameTable)
#include "tst_teamnametable.moc"
