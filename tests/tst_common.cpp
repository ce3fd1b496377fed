// The shared rules: game text in the Windows-1252 code page, numbers read from typed text, and
// the working copy that every read and write goes through.
#include "common/gametext.h"
#include "common/numbertext.h"
#include "common/searchform.h"
#include "common/workingcopy.h"
#include "tests/testsupport.h"

#include <QFile>
#include <QProcess>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <optional>

namespace {

// 100 bytes that differ from their neighbours, so a misplaced write shows.
QByteArray patternBytes() {
    QByteArray bytes(100, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7 + 3);
    return bytes;
}

// A working copy holding patternBytes(), in a temporary folder that lives as long as this does.
struct PatternFile {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("unnamed_25.bin.unzlib"));
    bool written = TestSupport::writeFile(path, patternBytes());
};

} // namespace

class TestCommon : public QObject {
    Q_OBJECT

private slots:
    void everyNonZeroByteSurvivesDecodeAndEncode_data();
    void everyNonZeroByteSurvivesDecodeAndEncode();
    void decodeEndsAtTheFirstZeroByte_data();
    void decodeEndsAtTheFirstZeroByte();
    void codePageAgreesWithTheSystemConverter();
    void encodeField_data();
    void encodeField();
    void unrepresentable_data();
    void unrepresentable();

    void leadingValue_data();
    void leadingValue();
    void leadingNumberIsEmptyWithoutANumber_data();
    void leadingNumberIsEmptyWithoutANumber();
    void roundHalfEven_data();
    void roundHalfEven();
    void integerInRange_data();
    void integerInRange();

    void readGivesExactlyTheRange_data();
    void readGivesExactlyTheRange();
    void readPastTheEndIsRefused_data();
    void readPastTheEndIsRefused();
    void missingFileIsNeverCreated();
    void writeIsRefusedAsAWhole_data();
    void writeIsRefusedAsAWhole();
    void multiPatchWrite();
    void searchFormFoldsAsAReaderExpects_data();
    void searchFormFoldsAsAReaderExpects();
    void killedWriteLeavesTheFileWhole_data();
    void killedWriteLeavesTheFileWhole();
    void mergedPatchesWriteTheSameAndPutBack_data();
    void mergedPatchesWriteTheSameAndPutBack();
};

// ---- Game text ----

void TestCommon::everyNonZeroByteSurvivesDecodeAndEncode_data() {
    QTest::addColumn<int>("byte");
    for (int b = 1; b <= 255; ++b)
        QTest::addRow("0x%02X", b) << b;
}

void TestCommon::everyNonZeroByteSurvivesDecodeAndEncode() {
    QFETCH(int, byte);
    QByteArray field(8, '\0');
    field[0] = 'A';
    field[1] = char(byte);
    field[2] = 'z';
    const QString text = GameText::decode(field);
    QCOMPARE(text.size(), 3);
    QVERIFY2(GameText::unrepresentable(text).isEmpty(), qPrintable(text));
    const auto encoded = GameText::encodeField(text, 8);
    QVERIFY(encoded.has_value());
    QCOMPARE(encoded->toHex(' '), field.toHex(' '));
}

void TestCommon::decodeEndsAtTheFirstZeroByte_data() {
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero in the middle") << QByteArray("AB\0CD", 5) << QStringLiteral("AB");
    QTest::newRow("zero first") << QByteArray("\0AB", 3) << QString();
    QTest::newRow("no zero: the whole field") << QByteArray("ABCDE") << QStringLiteral("ABCDE");
    QTest::newRow("code-page letters")
        << QByteArray("\xD6zil\0\xFF", 6) << QString::fromUtf8("Özil");
    QTest::newRow("euro sign") << QByteArray("\x80", 1) << QString::fromUtf8("€");
    QTest::newRow("typographic bytes")
        << QByteArray("\x8A\x8E\x93\x96\x97\x99\x9F") << QString::fromUtf8("ŠŽ“–—™Ÿ");
    QTest::newRow("unassigned bytes stand for themselves")
        << QByteArray("\x81\x8D\x8F\x90\x9D")
        << QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D");
    QTest::newRow("Latin-1 above 0x9F")
        << QByteArray("\xA0\xC6\xFF") << QString::fromUtf16(u"\u00A0Æÿ");
}

void TestCommon::decodeEndsAtTheFirstZeroByte() {
    QFETCH(QByteArray, field);
    QFETCH(QString, text);
    QCOMPARE(GameText::decode(field), text);
}

// The code page is the project's own table, so that it needs no ICU; where Qt has ICU (the Linux
// build), both must read and write every byte alike.
void TestCommon::codePageAgreesWithTheSystemConverter() {
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        QSKIP("this Qt has no Windows-1252 converter to compare with");
    for (int b = 1; b <= 255; ++b) {
        const QByteArray byte(1, char(b));
        QStringDecoder fresh("windows-1252");
        const QString expected = fresh.decode(byte);
        QCOMPARE(GameText::decode(byte), expected);
        QStringEncoder encoder("windows-1252");
        QCOMPARE(GameText::encodeField(expected, 1).value_or("refused").toHex(),
                 QByteArray(encoder.encode(expected)).toHex());
    }
    // A C1 control the code page puts a typographic character in its place of is refused.
    QCOMPARE(GameText::unrepresentable(QString(QChar(0x80))), QString(QChar(0x80)));
}

void TestCommon::encodeField_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("zero-filled") << QStringLiteral("Ab") << 5 << true << QByteArray("Ab\0\0\0", 5);
    QTest::newRow("empty text: all zeros") << QString() << 4 << true << QByteArray(4, '\0');
    QTest::newRow("exactly the width: no zero")
        << QStringLiteral("ABCD") << 4 << true << QByteArray("ABCD");
    QTest::newRow("one too long") << QStringLiteral("ABCDE") << 4 << false << QByteArray();
    QTest::newRow("accented letter")
        << QString::fromUtf8("Ö") << 2 << true << QByteArray("\xD6\0", 2);
    QTest::newRow("euro sign is 0x80")
        << QString::fromUtf8("€") << 1 << true << QByteArray("\x80", 1);
    QTest::newRow("L with stroke") << QString::fromUtf8("Łukasz") << 10 << false << QByteArray();
    QTest::newRow("o with double acute") << QString::fromUtf8("ő") << 2 << false << QByteArray();
    QTest::newRow("Cyrillic") << QString::fromUtf8("Д") << 2 << false << QByteArray();
    QTest::newRow("outside the basic plane")
        << QString::fromUtf8("\xF0\x9F\x98\x80") << 4 << false << QByteArray();
    QTest::newRow("zero character")
        << QString(QChar(0)) + QStringLiteral("A") << 4 << false << QByteArray();
}

void TestCommon::encodeField() {
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(bool, accepted);
    QFETCH(QByteArray, bytes);
    const auto encoded = GameText::encodeField(text, width);
    QCOMPARE(encoded.has_value(), accepted);
    if (accepted)
        QCOMPARE(encoded->toHex(' '), bytes.toHex(' '));
}

void TestCommon::unrepresentable_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refused");
    QTest::newRow("plain") << QStringLiteral("Mesut") << QString();
    QTest::newRow("code-page accents and euro") << QString::fromUtf8("Özil €") << QString();
    QTest::newRow("Polish name") << QString::fromUtf8("Łódź") << QString::fromUtf8("Łź");
    QTest::newRow("each character once") << QString::fromUtf8("ŁaŁ") << QString::fromUtf8("Ł");
    QTest::newRow("zero character") << QStringLiteral("A") + QChar(0) << QString(QChar(0));
}

void TestCommon::unrepresentable() {
    QFETCH(QString, text);
    QFETCH(QString, refused);
    QCOMPARE(GameText::unrepresentable(text), refused);
}

// ---- Numbers in text ----

void TestCommon::leadingValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("digits then letters") << QStringLiteral("85abc") << 85.0;
    QTest::newRow("blanks ignored everywhere") << QStringLiteral(" 1 2 ") << 12.0;
    QTest::newRow("tab and line feed") << QStringLiteral("\t4\n2") << 42.0;
    QTest::newRow("negative") << QStringLiteral("-7") << -7.0;
    QTest::newRow("plus sign and point") << QStringLiteral("+.5") << 0.5;
    QTest::newRow("decimal") << QStringLiteral("69.5") << 69.5;
    QTest::newRow("second point ends it") << QStringLiteral("1.2.3") << 1.2;
    QTest::newRow("comma ends it") << QStringLiteral("1,5") << 1.0;
    QTest::newRow("exponent E") << QStringLiteral("1e2") << 100.0;
    QTest::newRow("exponent D") << QStringLiteral("1D2") << 100.0;
    QTest::newRow("negative exponent") << QStringLiteral("25e-1") << 2.5;
    QTest::newRow("exponent without digits") << QStringLiteral("1e") << 1.0;
    QTest::newRow("blank inside the exponent") << QStringLiteral("1 e 2") << 100.0;
    QTest::newRow("hexadecimal") << QStringLiteral("&H1F") << 31.0;
    QTest::newRow("hexadecimal, small letters") << QStringLiteral("&h1f") << 31.0;
    QTest::newRow("octal") << QStringLiteral("&O17") << 15.0;
    QTest::newRow("octal stops at 8") << QStringLiteral("&O178") << 15.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("letters") << QStringLiteral("abc") << 0.0;
    QTest::newRow("point alone") << QStringLiteral(".") << 0.0;
    QTest::newRow("sign alone") << QStringLiteral("-") << 0.0;
    QTest::newRow("two signs") << QStringLiteral("--1") << 0.0;
    QTest::newRow("ampersand without digits") << QStringLiteral("&H") << 0.0;
    QTest::newRow("too small for a double") << QStringLiteral("1e-400") << 0.0;
    QTest::newRow("too small, long fraction")
        << QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1") << 0.0;
    QTest::newRow("too large although the exponent is negative")
        << QStringLiteral("1") + QString(399, u'0') + QStringLiteral("e-10") << qInf();
    QTest::newRow("too large, negative") << QStringLiteral("-1e400") << -qInf();
    QTest::newRow("huge exponent") << QStringLiteral("1e99999999999999999999") << qInf();
    QTest::newRow("carriage return ends it") << QStringLiteral("4\r2") << 4.0;
}

void TestCommon::leadingValue() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(NumberText::leadingValue(text), value);
}

void TestCommon::leadingNumberIsEmptyWithoutANumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("present");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("blanks") << QStringLiteral("   ") << false;
    QTest::newRow("letters") << QStringLiteral("abc") << false;
    QTest::newRow("point") << QStringLiteral(".") << false;
    QTest::newRow("sign") << QStringLiteral("+") << false;
    QTest::newRow("unknown radix") << QStringLiteral("&X1") << false;
    QTest::newRow("zero") << QStringLiteral("0") << true;
    QTest::newRow("point five") << QStringLiteral(".5") << true;
    QTest::newRow("hexadecimal") << QStringLiteral("&HF") << true;
}

void TestCommon::leadingNumberIsEmptyWithoutANumber() {
    QFETCH(QString, text);
    QFETCH(bool, present);
    QCOMPARE(NumberText::leadingNumber(text).has_value(), present);
}

void TestCommon::roundHalfEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("-0.5") << -0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("70.5") << 70.5 << 70.0;
    QTest::newRow("71.5") << 71.5 << 72.0;
    QTest::newRow("-1.5") << -1.5 << -2.0;
    QTest::newRow("2.49") << 2.49 << 2.0;
    QTest::newRow("2.51") << 2.51 << 3.0;
}

void TestCommon::roundHalfEven() {
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(NumberText::roundHalfEven(value), rounded);
}

void TestCommon::integerInRange_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("expected"); // -1000 for refused
    QTest::newRow("inside") << QStringLiteral("5") << 0 << 10 << 5;
    QTest::newRow("low bound") << QStringLiteral("0") << 0 << 10 << 0;
    QTest::newRow("high bound") << QStringLiteral("10") << 0 << 10 << 10;
    QTest::newRow("above") << QStringLiteral("11") << 0 << 10 << -1000;
    QTest::newRow("below") << QStringLiteral("-1") << 0 << 10 << -1000;
    QTest::newRow("half rounds down into range") << QStringLiteral("10.5") << 0 << 10 << 10;
    QTest::newRow("half rounds up out of range") << QStringLiteral("-1.5") << -1 << 10 << -1000;
    QTest::newRow("minus a half is zero") << QStringLiteral("-0.5") << 0 << 10 << 0;
    QTest::newRow("text without a number is 0") << QStringLiteral("abc") << 0 << 10 << 0;
    QTest::newRow("0 outside the range") << QStringLiteral("abc") << 1 << 10 << -1000;
    QTest::newRow("negative range") << QStringLiteral("-17") << -17 << 238 << -17;
    QTest::newRow("too large for a double") << QStringLiteral("1e400") << 0 << 127 << -1000;
    QTest::newRow("too small for a double") << QStringLiteral("-1e400") << -10 << 127 << -1000;
}

void TestCommon::integerInRange() {
    QFETCH(QString, text);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, expected);
    const auto value = NumberText::integerInRange(text, low, high);
    QCOMPARE(value.value_or(-1000), expected);
}

// ---- The working copy ----

void TestCommon::readGivesExactlyTheRange_data() {
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<qint64>("size");
    QTest::newRow("whole file") << qint64(0) << qint64(100);
    QTest::newRow("middle") << qint64(30) << qint64(5);
    QTest::newRow("up to the last byte") << qint64(90) << qint64(10);
    QTest::newRow("nothing at the end") << qint64(100) << qint64(0);
}

void TestCommon::readGivesExactlyTheRange() {
    QFETCH(qint64, offset);
    QFETCH(qint64, size);
    const PatternFile file;
    QVERIFY(file.written);
    const WorkingCopy copy(file.path);
    const auto bytes = copy.read(offset, size);
    QVERIFY2(bytes.has_value(), qPrintable(copy.errorString()));
    QCOMPARE(bytes->toHex(), patternBytes().mid(offset, size).toHex());
}

void TestCommon::readPastTheEndIsRefused_data() {
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<qint64>("size");
    QTest::newRow("one byte too many") << qint64(0) << qint64(101);
    QTest::newRow("runs over the end") << qint64(95) << qint64(10);
    QTest::newRow("starts at the end") << qint64(100) << qint64(1);
    QTest::newRow("starts after the end") << qint64(200) << qint64(1);
}

void TestCommon::readPastTheEndIsRefused() {
    QFETCH(qint64, offset);
    QFETCH(qint64, size);
    const PatternFile file;
    QVERIFY(file.written);
    const WorkingCopy copy(file.path);
    QVERIFY(!copy.read(offset, size).has_value());
    QVERIFY2(copy.errorString().contains(QStringLiteral("too short")),
             qPrintable(copy.errorString()));
    QCOMPARE(TestSupport::readFile(file.path), patternBytes());
}

void TestCommon::missingFileIsNeverCreated() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("unnamed_32.bin.unzlib"));
    WorkingCopy copy(path);
    QCOMPARE(copy.size(), qint64(-1));
    QVERIFY(!copy.read(0, 1).has_value());
    QVERIFY(!copy.errorString().isEmpty());
    QVERIFY(!QFile::exists(path));
    QVERIFY(!copy.write(0, QByteArray("A")));
    QVERIFY(!copy.errorString().isEmpty());
    QVERIFY(!QFile::exists(path));
    QVERIFY(!copy.write({}));
    QVERIFY(!QFile::exists(path));
}

void TestCommon::writeIsRefusedAsAWhole_data() {
    QTest::addColumn<QList<qint64>>("offsets");
    QTest::addColumn<QList<QByteArray>>("patches");
    QTest::newRow("last patch one byte too long")
        << QList<qint64>{0, 99} << QList<QByteArray>{"AB", "XY"};
    QTest::newRow("first patch past the end, second fine")
        << QList<qint64>{100, 10} << QList<QByteArray>{"Z", "CD"};
    QTest::newRow("negative offset") << QList<qint64>{10, -1} << QList<QByteArray>{"AB", "C"};
    QTest::newRow("one patch far beyond") << QList<qint64>{5000} << QList<QByteArray>{"Q"};
}

void TestCommon::writeIsRefusedAsAWhole() {
    QFETCH(QList<qint64>, offsets);
    QFETCH(QList<QByteArray>, patches);
    const PatternFile file;
    QVERIFY(file.written);
    std::vector<Patch> list;
    for (qsizetype i = 0; i < offsets.size(); ++i)
        list.push_back({offsets[i], patches[i]});
    WorkingCopy copy(file.path);
    QVERIFY(!copy.write(list));
    QVERIFY(!copy.errorString().isEmpty());
    QCOMPARE(TestSupport::readFile(file.path).toHex(), patternBytes().toHex());
}

void TestCommon::multiPatchWrite() {
    const PatternFile file;
    QVERIFY(file.written);
    WorkingCopy copy(file.path);
    QVERIFY2(copy.write({{0, "AB"}, {50, "CDE"}, {98, "FG"}}), qPrintable(copy.errorString()));
    QByteArray expected = patternBytes();
    expected.replace(0, 2, "AB");
    expected.replace(50, 3, "CDE");
    expected.replace(98, 2, "FG");
    QCOMPARE(TestSupport::readFile(file.path).toHex(), expected.toHex());
    QCOMPARE(copy.size(), qint64(100));
    QCOMPARE(copy.read(49, 5)->toHex(), expected.mid(49, 5).toHex());
}

void TestCommon::searchFormFoldsAsAReaderExpects_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folded");
    const auto row = [](const char* text, const char* folded) {
        QTest::newRow(text) << QString::fromUtf8(text) << QString::fromUtf8(folded);
    };
    row("Lefèvre", "lefevre");
    row("ÖZIL", "ozil");
    row("Sørensen", "sorensen");
    row("ØDEGAARD", "odegaard");
    row("Æsir", "aesir");
    row("Œuvre", "oeuvre");
    row("Großkreutz", "grosskreutz");
    row("Łukasz Błaszczykowski", "lukasz blaszczykowski");
    row("Đoković", "dokovic");
    row("Guðmundsson", "gudmundsson");
    row("ÞÓR", "thor");
    row("Ibáñez", "ibanez");
}

void TestCommon::searchFormFoldsAsAReaderExpects() {
    QFETCH(QString, text);
    QFETCH(QString, folded);
    QCOMPARE(searchForm(text), folded);
}

// A write killed in the middle, after some stretches of its new file: the working copy holds all
// of what it held before, or all of the write, never a part.
void TestCommon::killedWriteLeavesTheFileWhole_data() {
    QTest::addColumn<int>("stretches"); // written before the kill
    QTest::newRow("after the first stretch") << 1;
    QTest::newRow("in the middle") << 12;
}

void TestCommon::killedWriteLeavesTheFileWhole() {
    QFETCH(int, stretches);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("unnamed_25.bin.unzlib"));
    QByteArray before(1520000, '\0');
    for (qsizetype i = 0; i < before.size(); ++i)
        before[i] = char(i % 251);
    QVERIFY(TestSupport::writeFile(path, before));

    QProcess writer;
    writer.start(TestSupport::builtProgram(QStringLiteral("slowwriter")),
                 {path, QStringLiteral("90")});
    QVERIFY(writer.waitForStarted());
    int seen = 0;
    while (seen < stretches && writer.waitForReadyRead(20000))
        while (writer.canReadLine() && seen < stretches)
            seen += writer.readLine().startsWith("stretch") ? 1 : 0;
    QCOMPARE(seen, stretches);
    writer.kill();
    QVERIFY(writer.waitForFinished(20000));

    const QByteArray after = TestSupport::readFile(path);
    QCOMPARE(after.size(), before.size());
    QVERIFY2(after == before, "a killed write changed the working copy");

    // The same write left to finish changes exactly the bytes it was given.
    writer.start(TestSupport::builtProgram(QStringLiteral("slowwriter")),
                 {path, QStringLiteral("90")});
    QVERIFY(writer.waitForFinished(60000));
    QCOMPARE(writer.exitCode(), 0);
    const QByteArray written = TestSupport::readFile(path);
    QCOMPARE(written.size(), before.size());
    QCOMPARE(written[1470454], char(90));                    // the name of record 6449
    QCOMPARE(written[1470454 + 228], before[1470454 + 228]); // under the roster table
    QCOMPARE(written[82], char(90));                         // the name of record 0
    QCOMPARE(written.mid(83, 227), before.mid(83, 227));     // up to the name of record 1
}

// Merged patches leave the bytes the given ones leave, written in turn, and what they replaced
// puts the file back however the given ones overlapped.
void TestCommon::mergedPatchesWriteTheSameAndPutBack_data() {
    QTest::addColumn<QList<qint64>>("offsets");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("stretches");
    QTest::newRow("apart, out of order") << QList<qint64>{20, 2} << QStringList{"ab", "cd"} << 2;
    QTest::newRow("later one inside") << QList<qint64>{4, 6} << QStringList{"abcdef", "X"} << 1;
    QTest::newRow("earlier one inside") << QList<qint64>{6, 4} << QStringList{"X", "abcdef"} << 1;
    QTest::newRow("chain of three, one empty")
        << QList<qint64>{0, 3, 5, 9} << QStringList{"aaaa", "bbbb", "", "cc"} << 2;
}

void TestCommon::mergedPatchesWriteTheSameAndPutBack() {
    QFETCH(QList<qint64>, offsets);
    QFETCH(QStringList, texts);
    QFETCH(int, stretches);
    std::vector<Patch> patches;
    QByteArray expected(32, '.');
    for (qsizetype i = 0; i < offsets.size(); ++i) {
        patches.push_back({offsets[i], texts[i].toLatin1()});
        expected.replace(offsets[i], texts[i].size(), texts[i].toLatin1());
    }
    const std::vector<Patch> merged = WorkingCopy::merged(patches);
    QCOMPARE(int(merged.size()), stretches);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("copy"));
    QVERIFY(TestSupport::writeFile(path, QByteArray(32, '.')));
    WorkingCopy copy(path);
    std::vector<Patch> replaced;
    QVERIFY(copy.write(merged, &replaced));
    QCOMPARE(TestSupport::readFile(path), expected);
    QVERIFY(copy.write(replaced));
    QCOMPARE(TestSupport::readFile(path), QByteArray(32, '.'));
}

QTEST_GUILESS_MAIN(TestCommon)
#include "tst_common.moc"
