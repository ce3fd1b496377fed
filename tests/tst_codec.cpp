#include "codec/container.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <zlib.h>

#include <cstring>

namespace {

constexpr qint64 mib = 1024 * 1024;

// Bytes resembling a database: runs of zeros, repeated records with small differences, text and
// stretches of noise, all from a fixed seed so every run sees the same data.
QByteArray makeData(qsizetype size, quint32 seed = 0x2011u) {
    QByteArray data(size, '\0');
    quint32 state = seed;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    qsizetype at = 0;
    while (at < size) {
        const quint32 kind = next() % 4;
        const qsizetype length = std::min<qsizetype>(size - at, 16 + next() % 600);
        for (qsizetype i = 0; i < length; ++i) {
            char byte = 0;
            switch (kind) {
            case 0: // zeros
                break;
            case 1: // a record of 124 bytes repeated with a counter
                byte = char((i % 124) * 7 + (i / 124));
                break;
            case 2: // names
                byte = "ROSTERLY PLAYER NAME "[i % 21];
                break;
            default: // noise
                byte = char(next() >> 24);
                break;
            }
            data[at + i] = byte;
        }
        at += length;
    }
    return data;
}

QByteArray noise(qsizetype size, quint32 seed) {
    QByteArray data(size, '\0');
    quint32 state = seed;
    for (qsizetype i = 0; i < size; ++i) {
        state = state * 1664525u + 1013904223u;
        data[i] = char(state >> 24);
    }
    return data;
}

QByteArray zlibStream(const QByteArray& data, int level = Z_DEFAULT_COMPRESSION) {
    uLongf size = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(size), '\0');
    const int status =
        compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                  reinterpret_cast<const Bytef*>(data.constData()), uLong(data.size()), level);
    if (status != Z_OK)
        qFatal("compress2 failed in the test: %d", status);
    out.truncate(qsizetype(size));
    return out;
}

// A zlib stream with a small window, as another deflater might write it.
QByteArray smallWindowStream(const QByteArray& data) {
    z_stream z{};
    if (deflateInit2(&z, 6, Z_DEFLATED, 9, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        qFatal("deflateInit2 failed in the test");
    QByteArray out(qsizetype(deflateBound(&z, uLong(data.size()))), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    z.avail_in = uInt(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    if (deflate(&z, Z_FINISH) != Z_STREAM_END)
        qFatal("deflate did not finish in the test");
    out.truncate(qsizetype(z.total_out));
    deflateEnd(&z);
    return out;
}

QByteArray uint32Bytes(quint32 value, bool bigEndian) {
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[bigEndian ? 3 - i : i] = char((value >> (8 * i)) & 0xff);
    return bytes;
}

QByteArray header(quint32 compressedSize, quint32 uncompressedSize, bool bigEndian,
                  bool bigEndianMagic) {
    return QByteArray(bigEndianMagic ? "\x00\x01\x01WESYS" : "\x00\x10\x01WESYS", 8) +
           uint32Bytes(compressedSize, bigEndian) + uint32Bytes(uncompressedSize, bigEndian);
}

QByteArray container(const QByteArray& stream, qint64 uncompressedSize, bool bigEndian = false) {
    return header(quint32(stream.size()), quint32(uncompressedSize), bigEndian, bigEndian) + stream;
}

quint32 littleEndianAt(const QByteArray& bytes, qsizetype at) {
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

QByteArray withByteFlipped(QByteArray bytes, qsizetype at) {
    bytes[at] = char(bytes[at] ^ 0x5a);
    return bytes;
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// The arguments for the tool: the path as one argument, or split at its blanks the way a caller
// that does not quote would pass it.
QStringList toolArguments(const QString& path, bool split, bool unpack) {
    QStringList arguments = split ? path.split(QLatin1Char(' ')) : QStringList{path};
    if (unpack)
        arguments << QStringLiteral("-d");
    return arguments;
}

} // namespace

class TestCodec : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void compressRefusesDataOverLimit();
    void decompressAccepts_data();
    void decompressAccepts();
    void decompressRefuses_data();
    void decompressRefuses();
    void toolUnpacksAndPacks_data();
    void toolUnpacksAndPacks();
    void toolFailsCleanly_data();
    void toolFailsCleanly();
};

void TestCodec::roundTrip_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("one byte") << QByteArray(1, '\x7f');
    QTest::newRow("database-sized") << makeData(1519652);
    QTest::newRow("incompressible") << noise(70001, 7);
}

void TestCodec::roundTrip() {
    QFETCH(QByteArray, data);

    const Container::Result packed = Container::compress(data);
    QVERIFY2(packed.ok(), qPrintable(packed.error));
    QVERIFY(packed.bytes.size() > Container::headerSize);

    QCOMPARE(packed.bytes.left(8), QByteArray("\x00\x10\x01WESYS", 8));
    QCOMPARE(littleEndianAt(packed.bytes, 8), quint32(packed.bytes.size() - Container::headerSize));
    QCOMPARE(littleEndianAt(packed.bytes, 12), quint32(data.size()));
    // The stream after the header is plain zlib that any inflater reads.
    uLongf size = uLongf(data.size());
    QByteArray inflated(data.size(), '\0');
    QCOMPARE(
        uncompress(reinterpret_cast<Bytef*>(inflated.data()), &size,
                   reinterpret_cast<const Bytef*>(packed.bytes.constData()) + Container::headerSize,
                   uLong(packed.bytes.size() - Container::headerSize)),
        Z_OK);
    QCOMPARE(inflated, data);

    const Container::Result unpacked = Container::decompress(packed.bytes);
    QVERIFY2(unpacked.ok(), qPrintable(unpacked.error));
    QCOMPARE(unpacked.bytes, data);
}

void TestCodec::compressRefusesDataOverLimit() {
    const QByteArray tooLarge(Container::maxUncompressedSize + 1, '\0');
    const Container::Result packed = Container::compress(tooLarge);
    QVERIFY(!packed.ok());
    QVERIFY(packed.bytes.isEmpty());
    QVERIFY2(packed.error.contains(QLatin1String("64 MiB")), qPrintable(packed.error));
}

void TestCodec::decompressAccepts_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray data = makeData(200000, 99);
    const QByteArray stream = zlibStream(data);
    QTest::newRow("little-endian header") << container(stream, data.size()) << data;
    QTest::newRow("big-endian header") << container(stream, data.size(), true) << data;
    QTest::newRow("little-endian header, nothing inside")
        << container(zlibStream({}), 0) << QByteArray();
    QTest::newRow("big-endian header, nothing inside")
        << container(zlibStream({}), 0, true) << QByteArray();
    QTest::newRow("bare zlib, default level") << stream << data;
    QTest::newRow("bare zlib, best level") << zlibStream(data, Z_BEST_COMPRESSION) << data;
    QTest::newRow("bare zlib, fastest level") << zlibStream(data, Z_BEST_SPEED) << data;
    QTest::newRow("bare zlib, stored blocks") << zlibStream(data, Z_NO_COMPRESSION) << data;
    QTest::newRow("bare zlib, 512-byte window") << smallWindowStream(data) << data;

    const QByteArray atLimit(Container::maxUncompressedSize, 'x');
    QTest::newRow("header at the size limit")
        << container(zlibStream(atLimit, Z_BEST_SPEED), atLimit.size()) << atLimit;
}

void TestCodec::decompressAccepts() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, expected);

    const Container::Result result = Container::decompress(file);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.bytes.size(), expected.size());
    QCOMPARE(result.bytes, expected);
}

void TestCodec::decompressRefuses_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("errorPart"); // empty: any error will do

    const QByteArray data = makeData(100000, 5);
    const qint64 n = data.size();
    const QByteArray stream = zlibStream(data);
    const quint32 s = quint32(stream.size());
    const QByteArray good = container(stream, n);
    const QByteArray goodBigEndian = container(stream, n, true);
    const QString truncated = QStringLiteral("truncated");
    const QString corrupt = QStringLiteral("corrupt");
    const QString overLimit = QStringLiteral("more than the 64 MiB");
    const QString sizeMismatch = QStringLiteral("the header says %1 bytes, the data holds %2");

    QTest::newRow("empty") << QByteArray() << QStringLiteral("empty");
    QTest::newRow("start of the magic only") << good.left(3) << truncated;
    QTest::newRow("magic only") << good.left(8) << truncated;
    QTest::newRow("header cut after 12 bytes") << good.left(12) << truncated;
    QTest::newRow("big-endian header cut after 15 bytes") << goodBigEndian.left(15) << truncated;
    QTest::newRow("text") << QByteArray("This is no game file, only a line of text.\n")
                          << QStringLiteral("not a compressed game file: unknown header");
    QTest::newRow("zeros") << QByteArray(64, '\0') << QStringLiteral("unknown header");
    QTest::newRow("magic with one byte changed")
        << withByteFlipped(good, 5) << QStringLiteral("unknown header");

    QTest::newRow("file cut short") << good.left(good.size() - 10) << truncated;
    QTest::newRow("stream cut in half, sizes adjusted")
        << container(stream.left(stream.size() / 2), n) << truncated;
    QTest::newRow("checksum cut off, sizes adjusted")
        << container(stream.left(stream.size() - 4), n) << truncated;
    QTest::newRow("checksum damaged") << withByteFlipped(good, good.size() - 1) << corrupt;
    QTest::newRow("zlib header damaged") << withByteFlipped(good, 17) << corrupt;
    QByteArray scribbled = good;
    std::memset(scribbled.data() + scribbled.size() / 2, 0xff, 64);
    QTest::newRow("stream overwritten in the middle") << scribbled << QString();

    QTest::newRow("uncompressed size one too large")
        << header(s, quint32(n + 1), false, false) + stream << sizeMismatch.arg(n + 1).arg(n);
    QTest::newRow("uncompressed size one too small")
        << header(s, quint32(n - 1), false, false) + stream << sizeMismatch.arg(n - 1).arg(n);
    QTest::newRow("uncompressed size zero")
        << header(s, 0, false, false) + stream << sizeMismatch.arg(0).arg(n);
    QTest::newRow("big-endian uncompressed size too large")
        << header(s, quint32(n + 100), true, true) + stream << sizeMismatch.arg(n + 100).arg(n);
    QTest::newRow("compressed size too large")
        << header(s + 1, quint32(n), false, false) + stream << truncated;
    QTest::newRow("compressed size too small")
        << header(s - 1, quint32(n), false, false) + stream
        << QStringLiteral("the header says %1 compressed bytes, but %2 follow it")
               .arg(s - 1)
               .arg(s);
    QTest::newRow("big-endian magic with little-endian sizes")
        << header(s, quint32(n), false, true) + stream << QString();
    QTest::newRow("little-endian magic with big-endian sizes")
        << header(s, quint32(n), true, false) + stream << QString();

    // Garbage after the header instead of a stream: a size error proves nothing was inflated.
    const QByteArray garbage = noise(300, 3);
    QTest::newRow("uncompressed size just over 64 MiB")
        << header(300, quint32(Container::maxUncompressedSize + 1), false, false) + garbage
        << overLimit;
    QTest::newRow("uncompressed size 4 GiB")
        << header(300, 0xffffffffu, true, true) + garbage << overLimit;

    QTest::newRow("garbage after the stream")
        << good + QByteArray("JUNK") << QStringLiteral("but %1 follow it").arg(s + 4);
    QTest::newRow("garbage counted in the compressed size")
        << header(s + 4, quint32(n), false, false) + stream + QByteArray("JUNK")
        << QStringLiteral("4 unexpected bytes follow the end of the compressed data");

    QTest::newRow("bare zlib cut short") << stream.left(stream.size() - 1) << truncated;
    QTest::newRow("bare zlib with garbage after it")
        << stream + QByteArray(7, 'z')
        << QStringLiteral("7 unexpected bytes follow the end of the compressed data");
    // 0x78 0x20: a valid header check with the preset-dictionary flag, then a dictionary id.
    QTest::newRow("bare zlib asking for a dictionary")
        << QByteArray("\x78\x20\x01\x02\x03\x04", 6) + stream.mid(2)
        << QStringLiteral("dictionary");
    QTest::newRow("bare zlib unpacking past 64 MiB")
        << zlibStream(QByteArray(Container::maxUncompressedSize + 1, '\0'), Z_BEST_SPEED)
        << QStringLiteral("more than 64 MiB");
}

void TestCodec::decompressRefuses() {
    QFETCH(QByteArray, file);
    QFETCH(QString, errorPart);

    const Container::Result result = Container::decompress(file);
    QVERIFY2(!result.ok(), "the damaged input was accepted");
    QVERIFY(result.bytes.isEmpty());
    QVERIFY2(result.error.contains(errorPart), qPrintable(result.error));
}

void TestCodec::toolUnpacksAndPacks_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("split");
    QTest::addColumn<bool>("staleOutput");

    QTest::newRow("plain path") << QString() << QStringLiteral("unnamed_25.bin") << false << false;
    QTest::newRow("blanks, one argument")
        << QStringLiteral("my game") << QStringLiteral("unnamed 25.bin") << false << false;
    QTest::newRow("blanks, split arguments")
        << QStringLiteral("my  game") << QStringLiteral("unnamed 25 .bin") << true << false;
    QTest::newRow("older output replaced")
        << QString() << QStringLiteral("unnamed_25.bin") << false << true;
}

void TestCodec::toolUnpacksAndPacks() {
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(bool, split);
    QFETCH(bool, staleOutput);

    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString dir = folder.isEmpty() ? temporary.path() : temporary.filePath(folder);
    QVERIFY(QDir().mkpath(dir));
    const QString gameFile = dir + QLatin1Char('/') + name;
    const QString workingCopy = gameFile + QStringLiteral(".unzlib");
    const QString repacked = workingCopy + QStringLiteral(".zlib");

    const QByteArray data = makeData(1519652, 25);
    QVERIFY(TestSupport::writeFile(gameFile, container(zlibStream(data), data.size())));
    if (staleOutput)
        QVERIFY(TestSupport::writeFile(workingCopy, QByteArray("an older working copy")));

    QString errors;
    QCOMPARE(TestSupport::runCodec(toolArguments(gameFile, split, true), &errors), 0);
    QCOMPARE(errors, QString());
    QCOMPARE(TestSupport::readFile(workingCopy), data);

    QCOMPARE(TestSupport::runCodec(toolArguments(workingCopy, split, false), &errors), 0);
    QCOMPARE(errors, QString());
    const QByteArray packed = TestSupport::readFile(repacked);
    QCOMPARE(packed.left(8), QByteArray("\x00\x10\x01WESYS", 8));
    const Container::Result unpacked = Container::decompress(packed);
    QVERIFY2(unpacked.ok(), qPrintable(unpacked.error));
    QCOMPARE(unpacked.bytes, data);

    // The tool leaves only its outputs behind: no temporary files.
    const QStringList expected{name, QFileInfo(workingCopy).fileName(),
                               QFileInfo(repacked).fileName()};
    QStringList sortedExpected = expected;
    sortedExpected.sort();
    QCOMPARE(entries(dir), sortedExpected);

    // Success is silent on standard output.
    QProcess process;
    process.start(TestSupport::builtProgram(QStringLiteral("zlib2.dll")),
                  toolArguments(gameFile, split, true));
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
}

void TestCodec::toolFailsCleanly_data() {
    QTest::addColumn<QByteArray>("input");      // written as the input file unless null
    QTest::addColumn<qint64>("sparseSize");     // >0: the input is a sparse file of this size
    QTest::addColumn<bool>("inputIsFolder");    // the input path names a folder
    QTest::addColumn<QStringList>("arguments"); // "IN" stands for the input path
    QTest::addColumn<bool>("olderOutput");      // an output from an earlier run exists
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("errorPart");

    const QByteArray data = makeData(50000, 11);
    const QByteArray stream = zlibStream(data);
    const QByteArray good = container(stream, data.size());
    const QStringList unpack{QStringLiteral("IN"), QStringLiteral("-d")};
    const QStringList pack{QStringLiteral("IN")};

    QTest::newRow("missing input") << QByteArray() << qint64(0) << false << unpack << false << 1
                                   << QStringLiteral("no such file");
    QTest::newRow("missing input, older output") << QByteArray() << qint64(0) << false << unpack
                                                 << true << 1 << QStringLiteral("no such file");
    QTest::newRow("packing a missing input") << QByteArray() << qint64(0) << false << pack << true
                                             << 1 << QStringLiteral("no such file");
    QTest::newRow("input is a folder") << QByteArray() << qint64(0) << true << unpack << false << 1
                                       << QStringLiteral("not a regular file");
    QTest::newRow("not a container")
        << QByteArray("plain text, not a game file\n") << qint64(0) << false << unpack << true << 1
        << QStringLiteral("unknown header");
    QTest::newRow("empty input") << QByteArray("") << qint64(0) << false << unpack << true << 1
                                 << QStringLiteral("empty");
    QTest::newRow("corrupt stream, older output")
        << withByteFlipped(good, good.size() - 2) << qint64(0) << false << unpack << true << 1
        << QStringLiteral("corrupt");
    QTest::newRow("truncated stream") << good.left(good.size() / 2) << qint64(0) << false << unpack
                                      << false << 1 << QStringLiteral("truncated");
    QTest::newRow("lying uncompressed size, older output")
        << header(quint32(stream.size()), quint32(data.size() + 1), false, false) + stream
        << qint64(0) << false << unpack << true << 1
        << QStringLiteral("the header says %1 bytes").arg(data.size() + 1);
    QTest::newRow("input over 128 MiB") << QByteArray() << qint64(128 * mib + 1) << false << unpack
                                        << true << 1 << QStringLiteral("128 MiB");
    QTest::newRow("no arguments") << QByteArray() << qint64(0) << false << QStringList() << false
                                  << 2 << QStringLiteral("usage");
    QTest::newRow("only -d") << QByteArray() << qint64(0) << false
                             << QStringList{QStringLiteral("-d")} << false << 2
                             << QStringLiteral("usage");
}

void TestCodec::toolFailsCleanly() {
    QFETCH(QByteArray, input);
    QFETCH(qint64, sparseSize);
    QFETCH(bool, inputIsFolder);
    QFETCH(QStringList, arguments);
    QFETCH(bool, olderOutput);
    QFETCH(int, exitCode);
    QFETCH(QString, errorPart);

    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString gameFile = temporary.filePath(QStringLiteral("unnamed 25.bin"));
    const bool unpack = arguments.contains(QStringLiteral("-d"));
    const QString output =
        gameFile + (unpack ? QStringLiteral(".unzlib") : QStringLiteral(".zlib"));

    if (!input.isNull())
        QVERIFY(TestSupport::writeFile(gameFile, input));
    if (sparseSize > 0) {
        QFile sparse(gameFile);
        QVERIFY(sparse.open(QIODevice::WriteOnly));
        QVERIFY(sparse.resize(sparseSize));
    }
    if (inputIsFolder)
        QVERIFY(QDir().mkpath(gameFile));
    const QByteArray older("the working copy from an earlier run");
    if (olderOutput)
        QVERIFY(TestSupport::writeFile(output, older));
    const QStringList before = entries(temporary.path());

    arguments.replaceInStrings(QStringLiteral("IN"), gameFile);
    QString errors;
    QCOMPARE(TestSupport::runCodec(arguments, &errors), exitCode);
    QVERIFY2(errors.startsWith(QLatin1String("zlib2.dll: ")), qPrintable(errors));
    QVERIFY2(errors.contains(errorPart), qPrintable(errors));

    // Nothing was created, and an older output is exactly as it was.
    QCOMPARE(entries(temporary.path()), before);
    if (olderOutput)
        QCOMPARE(TestSupport::readFile(output), older);
}

QTEST_GUILESS_MAIN(TestCodec)
#include "tst_codec.moc"
