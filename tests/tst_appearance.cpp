// The face and hair links: hexadecimal text of the raw word, and the bytes Relink writes.
#include "appearance/hextodec.h"
#include "appearance/relink.h"

#include <QTest>

namespace {

// The record's N lies well inside a larger buffer, so patches placed anywhere but at N+112 to
// N+117 show.
constexpr qint64 n = 1000;
constexpr int bufferSize = 1300;

QByteArray patternBuffer() {
    QByteArray buffer(bufferSize, '\0');
    for (int i = 0; i < bufferSize; ++i)
        buffer[i] = char(i * 11 + 5);
    return buffer;
}

} // namespace

class TestAppearance : public QObject {
    Q_OBJECT

private slots:
    void hexToDec_data();
    void hexToDec();
    void relinkedWordText_data();
    void relinkedWordText();
    void relinkWritesWordFaceAndHair_data();
    void relinkWritesWordFaceAndHair();
    void relinkRefuses_data();
    void relinkRefuses();
    void proposedHair_data();
    void proposedHair();
    void captions();
};

void TestAppearance::hexToDec_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("value");
    QTest::newRow("usual word") << QStringLiteral("0D81") << 3457;
    QTest::newRow("without the leading zero") << QStringLiteral("D81") << 3457;
    QTest::newRow("small letters") << QStringLiteral("fd81") << 64897;
    QTest::newRow("link digit 1") << QStringLiteral("1D81") << 7553;
    QTest::newRow("negative word's pattern") << QStringLiteral("8D81") << 36225;
    QTest::newRow("non-digit last keeps the place") << QStringLiteral("1G") << 16;
    QTest::newRow("non-digit first adds nothing") << QStringLiteral("G1") << 1;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("eight F") << QStringLiteral("FFFFFFFF") << -1;
    QTest::newRow("largest positive") << QStringLiteral("7FFFFFFF") << 2147483647;
}

void TestAppearance::hexToDec() {
    QFETCH(QString, text);
    QFETCH(qint32, value);
    QCOMPARE(HextoDec(text), value);
}

void TestAppearance::relinkedWordText_data() {
    QTest::addColumn<QString>("oldText");
    QTest::addColumn<QString>("newText");
    QTest::newRow("three characters: link digit 0")
        << QStringLiteral("D81") << QStringLiteral("0D81");
    QTest::newRow("empty") << QString() << QStringLiteral("0D81");
    QTest::newRow("two characters") << QStringLiteral("1A") << QStringLiteral("0D81");
    QTest::newRow("fourth character 2") << QStringLiteral("4D82") << QStringLiteral("2D81");
    QTest::newRow("fourth character 1") << QStringLiteral("0D81") << QStringLiteral("1D81");
    QTest::newRow("negative word") << QStringLiteral("8D81") << QStringLiteral("1D81");
}

void TestAppearance::relinkedWordText() {
    QFETCH(QString, oldText);
    QFETCH(QString, newText);
    QCOMPARE(Relink::relinkedWordText(oldText), newText);
}

void TestAppearance::relinkWritesWordFaceAndHair_data() {
    QTest::addColumn<QString>("oldWord");
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("hair");
    QTest::addColumn<QString>("wordText");
    QTest::addColumn<QByteArray>("bytes"); // N+112 to N+117
    QTest::newRow("D81, face 300, hair 3874")
        << QStringLiteral("D81") << QStringLiteral("300") << QStringLiteral("3874")
        << QStringLiteral("0D81") << QByteArray::fromHex("810D 2A00 2A00");
    QTest::newRow("4D82, lowest usual files")
        << QStringLiteral("4D82") << QStringLiteral("258") << QStringLiteral("3832")
        << QStringLiteral("2D81") << QByteArray::fromHex("812D 0000 0000");
    QTest::newRow("0D81") << QStringLiteral("0D81") << QStringLiteral("300")
                          << QStringLiteral("3874") << QStringLiteral("1D81")
                          << QByteArray::fromHex("811D 2A00 2A00");
    QTest::newRow("face below the shift")
        << QStringLiteral("D81") << QStringLiteral("257") << QStringLiteral("3831")
        << QStringLiteral("0D81") << QByteArray::fromHex("810D FFFF FFFF");
    QTest::newRow("lowest numbers")
        << QStringLiteral("D81") << QStringLiteral("-32510") << QStringLiteral("-28936")
        << QStringLiteral("0D81") << QByteArray::fromHex("810D 0080 0080");
    QTest::newRow("highest numbers")
        << QStringLiteral("D81") << QStringLiteral("33025") << QStringLiteral("36599")
        << QStringLiteral("0D81") << QByteArray::fromHex("810D FF7F FF7F");
    QTest::newRow("half rounds to even, blanks ignored")
        << QStringLiteral("D81") << QStringLiteral("300.5") << QStringLiteral(" 38 74 ")
        << QStringLiteral("0D81") << QByteArray::fromHex("810D 2A00 2A00");
}

void TestAppearance::relinkWritesWordFaceAndHair() {
    QFETCH(QString, oldWord);
    QFETCH(QString, face);
    QFETCH(QString, hair);
    QFETCH(QString, wordText);
    QFETCH(QByteArray, bytes);
    const Relink::Result result = Relink::relink(n, oldWord, face, hair);
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QCOMPARE(result.wordText, wordText);

    QByteArray buffer = patternBuffer();
    for (const Patch& p : result.patches) {
        QVERIFY(p.offset >= n + 112 && p.offset + p.bytes.size() <= n + 118);
        buffer.replace(p.offset, p.bytes.size(), p.bytes);
    }
    QByteArray want = patternBuffer();
    want.replace(n + 112, 6, bytes);
    QCOMPARE(buffer.toHex(' '), want.toHex(' '));
}

void TestAppearance::relinkRefuses_data() {
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("hair");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    const QString faceLow = QStringLiteral("-32510"), faceHigh = QStringLiteral("33025");
    const QString hairLow = QStringLiteral("-28936"), hairHigh = QStringLiteral("36599");
    const QString face = QStringLiteral("Face"), hair = QStringLiteral("Hair");
    QTest::newRow("empty face") << QString() << QStringLiteral("3874") << face << faceLow
                                << faceHigh;
    QTest::newRow("face abc") << QStringLiteral("abc") << QStringLiteral("3874") << face << faceLow
                              << faceHigh;
    QTest::newRow("face one above")
        << QStringLiteral("33026") << QStringLiteral("3874") << face << faceLow << faceHigh;
    QTest::newRow("face one below")
        << QStringLiteral("-32511") << QStringLiteral("3874") << face << faceLow << faceHigh;
    QTest::newRow("face rounds above")
        << QStringLiteral("33025.6") << QStringLiteral("3874") << face << faceLow << faceHigh;
    QTest::newRow("hair one above")
        << QStringLiteral("300") << QStringLiteral("36600") << hair << hairLow << hairHigh;
    QTest::newRow("hair one below")
        << QStringLiteral("300") << QStringLiteral("-28937") << hair << hairLow << hairHigh;
    QTest::newRow("empty hair") << QStringLiteral("300") << QString() << hair << hairLow
                                << hairHigh;
    QTest::newRow("hair xyz") << QStringLiteral("300") << QStringLiteral("xyz") << hair << hairLow
                              << hairHigh;
}

void TestAppearance::relinkRefuses() {
    QFETCH(QString, face);
    QFETCH(QString, hair);
    QFETCH(QString, field);
    QFETCH(QString, low);
    QFETCH(QString, high);
    const Relink::Result result = Relink::relink(n, QStringLiteral("D81"), face, hair);
    QVERIFY(result.patches.empty());
    QVERIFY2(result.error.contains(field), qPrintable(result.error));
    QVERIFY2(result.error.contains(low) && result.error.contains(high), qPrintable(result.error));
}

void TestAppearance::proposedHair_data() {
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("hair"); // -1: none proposed
    QTest::newRow("300") << QStringLiteral("300") << 3874;
    QTest::newRow("258") << QStringLiteral("258") << 3832;
    QTest::newRow("half rounds to even") << QStringLiteral("300.5") << 3874;
    QTest::newRow("leading number") << QStringLiteral("301x") << 3875;
    QTest::newRow("empty") << QString() << -1;
    QTest::newRow("letters") << QStringLiteral("abc") << -1;
}

void TestAppearance::proposedHair() {
    QFETCH(QString, face);
    QFETCH(int, hair);
    QCOMPARE(Relink::proposedHair(face).value_or(-1), hair);
}

void TestAppearance::captions() {
    QCOMPARE(Relink::faceCaption(QStringLiteral("300")), QStringLiteral("Face: unnamed_300.bin"));
    QCOMPARE(Relink::hairCaption(QStringLiteral("3874")), QStringLiteral("Hair: unnamed_3874.bin"));
}

QTEST_GUILESS_MAIN(TestAppearance)
#include "tst_appearance.moc"
