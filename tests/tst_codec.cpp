#include "codec/container.h"
#include "tests/testsupport.h"
#include "tools/samplebuilder.h"

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

// The first eight bytes of the game's PC player database.
const QByteArray pcPrefix("\x00\x01\x01WESYS", 8);

QByteArray header(quint32 compressedSize, quint32 uncompressedSize, bool bigEndian,
                  const QByteArray& prefix = pcPrefix) {
    return prefix + uint32Bytes(compressedSize, bigEndian) +
           uint32Bytes(uncompressedSize, bigEndian);
}

QByteArray container(const QByteArray& stream, qint64 uncompressedSize, bool bigEndian = false,
                     const QByteArray& prefix = pcPrefix) {
    return header(quint32(stream.size()), quint32(uncompressedSize), bigEndian, prefix) + stream;
}

// Zeros until the length is an odd multiple of the boundary, so that the boundary is the largest
// power of two dividing it.
QByteArray padded(QByteArray file, qsizetype boundary) {
    do
        file.append('\0');
    while (file.size() % boundary != 0 || file.size() % (2 * boundary) == 0);
    return file;
}

quint32 uint32At(const QByteArray& bytes, qsizetype at, bool bigEndian) {
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + (bigEndian ? i : 3 - i)]);
    return value;
}

QByteArray withByteFlipped(QByteArray bytes, qsizetype at) {
    bytes[at] = char(bytes[at] ^ 0x5a);
    return bytes;
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
    void databasesPackNearlyAsSmallAsZlibBest_data();
    void databasesPackNearlyAsSmallAsZlibBest();
    void compressRefuses_data();
    void compressRefuses();
    void decompressAccepts_data();
    void decompressAccepts();
    void decompressRefuses_data();
    void decompressRefuses();
    void toolUnpacksAndPacks_data();
    void toolUnpacksAndPacks();
    void toolFailsCleanly_data();
    void toolFailsCleanly();
    void toolKeepsTheFormOfTheGameFile_data();
    void toolKeepsTheFormOfTheGameFile();
};

void TestCodec::roundTrip_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("one byte") << QByteArray(1, '\x7f');
    QTest::newRow("database-sized") << makeData(1519652);
    QTest::newRow("incompressible") << noise(70001, 7);
    QTest::newRow("sample player database") << SampleBuilder::playerDatabase();
}

void TestCodec::roundTrip() {
    QFETCH(QByteArray, data);

    const Container::Result packed = Container::compress(data);
    QVERIFY2(packed.ok(), qPrintable(packed.error));
    QVERIFY(packed.bytes.size() > Container::headerSize);

    QCOMPARE(packed.bytes.left(8), QByteArray("\x00\x01\x01WESYS", 8));
    QCOMPARE(uint32At(packed.bytes, 8, false),
             quint32(packed.bytes.size() - Container::headerSize));
    QCOMPARE(uint32At(packed.bytes, 12, false), quint32(data.size()));
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

// SAVE must not grow the game file beyond what zlib's best level made of it.
// The sample, and the same with random bytes wherever the editor reads nothing: the stream stays
// within 1 % of zlib's at its best level.
void TestCodec::databasesPackNearlyAsSmallAsZlibBest_data() {
    QTest::addColumn<bool>("noise");
    QTest::newRow("sample player database") << false;
    QTest::newRow("random where the editor reads nothing") << true;
}

void TestCodec::databasesPackNearlyAsSmallAsZlibBest() {
    QFETCH(bool, noise);
    const QByteArray database = SampleBuilder::playerDatabase(
        noise ? SampleBuilder::UnreadBytes::AsNoise : SampleBuilder::UnreadBytes::AsFields);
    const Container::Result packed = Container::compress(database);
    QVERIFY2(packed.ok(), qPrintable(packed.error));
    const qsizetype stream = packed.bytes.size() - Container::headerSize;
    const qsizetype best = zlibStream(database, Z_BEST_COMPRESSION).size();
    QVERIFY2(stream * 100 <= best * 101,
             qPrintable(QStringLiteral("%1 bytes, zlib -9 %2").arg(stream).arg(best)));
}

void TestCodec::compressRefuses_data() {
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<QByteArray>("prefix");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QString>("errorPart");
    const qsizetype small = 1000;
    const QByteArray archive("\x00\x01\x00WESYS", 8);
    QTest::newRow("data over 64 MiB") << qsizetype(64 * mib + 1) << pcPrefix << 1 << "64 MiB";
    QTest::newRow("archive prefix") << small << archive << 1 << "bytes 2-7";
    QTest::newRow("alignment 48") << small << pcPrefix << 48 << "alignment 48";
}

void TestCodec::compressRefuses() {
    QFETCH(qsizetype, size);
    QFETCH(QByteArray, prefix);
    QFETCH(int, alignment);
    QFETCH(QString, errorPart);
    Container::Form form;
    std::copy_n(prefix.constData(), 8, form.prefix.begin());
    form.alignment = alignment;
    const Container::Result packed = Container::compress(QByteArray(size, '\0'), form);
    QVERIFY(!packed.ok());
    QVERIFY(packed.bytes.isEmpty());
    QVERIFY2(packed.error.contains(errorPart), qPrintable(packed.error));
}

void TestCodec::decompressAccepts_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<bool>("throughTool"); // also unpacked by the codec tool

    // Every prefix with type 1 and "WESYS", in either byte order, with or without zero padding.
    const QByteArray data = makeData(200000, 99);
    const QByteArray stream = zlibStream(data);
    for (const char* first : {"\x00\x01\x01", "\x00\x00\x01", "\x00\x10\x01", "\x7F\x33\x01"}) {
        const QByteArray prefix = QByteArray(first, 3) + "WESYS";
        for (const bool bigEndian : {false, true}) {
            const QByteArray file = container(stream, data.size(), bigEndian, prefix);
            const QString name =
                QStringLiteral("%1, %2").arg(QString::fromLatin1(prefix.left(3).toHex(' ')),
                                             bigEndian ? "big-endian" : "little-endian");
            QTest::addRow("%s", qPrintable(name)) << file << data << true;
            for (const int boundary : {16, 2048})
                QTest::addRow("%s, padded to %d", qPrintable(name), boundary)
                    << padded(file, boundary) << data << true;
        }
    }
    QTest::newRow("little-endian, nothing inside")
        << container(zlibStream({}), 0) << QByteArray() << false;
    QTest::newRow("big-endian, nothing inside")
        << container(zlibStream({}), 0, true) << QByteArray() << false;

    // A stream of 256 bytes (00 00 01 00) unpacking to 4096 (00 00 10 00): read little-endian the
    // sizes are 65536 and 1 MiB, which fit a file padded that far, but that stream fails.
    QByteArray mostlyZeros(4096, '\0');
    QByteArray ambiguous;
    for (qsizetype noisy = 0; ambiguous.size() != 256 && noisy < 4096; ++noisy)
        ambiguous = zlibStream(mostlyZeros.replace(0, noisy, noise(noisy, 9)), Z_BEST_COMPRESSION);
    if (ambiguous.size() != 256)
        qFatal("no stream of 256 bytes was found for the test");
    QTest::newRow("big-endian sizes that also fit read little-endian")
        << container(ambiguous, 4096, true) + QByteArray(65536 - 256, '\0') << mostlyZeros << true;

    QTest::newRow("bare zlib, default level") << stream << data << true;
    QTest::newRow("bare zlib, best level") << zlibStream(data, Z_BEST_COMPRESSION) << data << false;
    QTest::newRow("bare zlib, fastest level") << zlibStream(data, Z_BEST_SPEED) << data << false;
    QTest::newRow("bare zlib, stored blocks")
        << zlibStream(data, Z_NO_COMPRESSION) << data << false;
    QTest::newRow("bare zlib, 512-byte window") << smallWindowStream(data) << data << false;

    const QByteArray atLimit(Container::maxUncompressedSize, 'x');
    QTest::newRow("header at the size limit")
        << container(zlibStream(atLimit, Z_BEST_SPEED), atLimit.size()) << atLimit << false;
}

void TestCodec::decompressAccepts() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, expected);
    QFETCH(bool, throughTool);

    const Container::Result result = Container::decompress(file);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.bytes.size(), expected.size());
    QCOMPARE(result.bytes, expected);

    if (!throughTool)
        return;
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString gameFile = temporary.filePath(QStringLiteral("unnamed_25.bin"));
    QVERIFY(TestSupport::writeFile(gameFile, file));
    QString errors;
    QCOMPARE(TestSupport::runCodec({gameFile, QStringLiteral("-d")}, &errors), 0);
    QCOMPARE(errors, QString());
    QCOMPARE(TestSupport::readFile(gameFile + QStringLiteral(".unzlib")), expected);
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
    QTest::newRow("signature with one byte changed")
        << withByteFlipped(good, 5) << QStringLiteral("unknown header");
    QTest::newRow("indexed archive")
        << QByteArray("\x00\x01\x00WESYS", 8) + good.mid(8)
        << QStringLiteral("an indexed archive holding several files, not one compressed game file");
    QTest::newRow("unknown type") << QByteArray("\x00\x01\x07WESYS", 8) + good.mid(8)
                                  << QStringLiteral("unknown container type 7");

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
        << header(s, quint32(n + 1), false) + stream << sizeMismatch.arg(n + 1).arg(n);
    QTest::newRow("uncompressed size one too small")
        << header(s, quint32(n - 1), false) + stream << sizeMismatch.arg(n - 1).arg(n);
    QTest::newRow("uncompressed size zero")
        << header(s, 0, false) + stream << sizeMismatch.arg(0).arg(n);
    QTest::newRow("big-endian uncompressed size too large")
        << header(s, quint32(n + 100), true) + stream << sizeMismatch.arg(n + 100).arg(n);
    QTest::newRow("compressed size too large")
        << header(s + 1, quint32(n), false) + stream << QStringLiteral("neither byte order");
    QTest::newRow("sizes that fit neither byte order")
        << header(0x7fffff00u, quint32(n), false) + stream
        << QStringLiteral("truncated or the header is damaged: its sizes fit the file in neither "
                          "byte order (2147483392 compressed bytes read little-endian, 16777087 "
                          "read big-endian; the file holds %1 after the header)")
               .arg(s);
    QTest::newRow("compressed size too small")
        << header(s - 1, quint32(n), false) + stream
        << QStringLiteral("goes on after the %1 compressed bytes the header gives with something "
                          "other than zero padding")
               .arg(s - 1);

    // Garbage after the header instead of a stream: a size error proves nothing was inflated.
    const QByteArray garbage = noise(300, 3);
    QTest::newRow("uncompressed size just over 64 MiB")
        << header(300, quint32(Container::maxUncompressedSize + 1), false) + garbage << overLimit;
    QTest::newRow("uncompressed size 4 GiB")
        << header(300, 0xffffffffu, true) + garbage << overLimit;

    QTest::newRow("garbage after the stream")
        << good + QByteArray("JUNK")
        << QStringLiteral("goes on after the %1 compressed bytes the header gives with something "
                          "other than zero padding: byte %2 of the file is 0x4a")
               .arg(s)
               .arg(16 + s);
    QTest::newRow("big-endian, non-zero byte after the stream")
        << goodBigEndian + QByteArray("\x00\x80", 2)
        << QStringLiteral("byte %1 of the file is 0x80").arg(16 + s + 1);
    QTest::newRow("garbage counted in the compressed size")
        << header(s + 4, quint32(n), false) + stream + QByteArray("JUNK")
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
    QTest::addColumn<bool>("nativeSeparators"); // backslashes on Windows

    const QString plain = QStringLiteral("unnamed_25.bin");
    QTest::newRow("plain path") << QString() << plain << false << false << false;
    QTest::newRow("blanks, one argument")
        << QStringLiteral("my game") << QStringLiteral("unnamed 25.bin") << false << false << false;
    QTest::newRow("blanks, split arguments")
        << QStringLiteral("my  game") << QStringLiteral("unnamed 25 .bin") << true << false
        << false;
    QTest::newRow("older output replaced") << QString() << plain << false << true << false;
    // Letters of no single ANSI code page: only a program that reads its arguments as the system
    // passed them (not through argv on Windows) finds this file.
    QTest::newRow("letters beyond one code page")
        << QString::fromUtf8("Spielstände Łódź") << plain << false << false << false;
    QTest::newRow("native separators")
        << QStringLiteral("PES 2011/save") << plain << false << false << true;
}

void TestCodec::toolUnpacksAndPacks() {
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(bool, split);
    QFETCH(bool, staleOutput);
    QFETCH(bool, nativeSeparators);

    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    QString dir = folder.isEmpty() ? temporary.path() : temporary.filePath(folder);
    QVERIFY(QDir().mkpath(dir));
    if (nativeSeparators)
        dir = QDir::toNativeSeparators(dir);
    const QString gameFile = dir + (nativeSeparators ? QDir::separator() : QLatin1Char('/')) + name;
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
    QCOMPARE(packed.left(8), QByteArray("\x00\x01\x01WESYS", 8));
    const Container::Result unpacked = Container::decompress(packed);
    QVERIFY2(unpacked.ok(), qPrintable(unpacked.error));
    QCOMPARE(unpacked.bytes, data);

    // The tool leaves only its outputs behind: no temporary files.
    const QStringList expected{name, QFileInfo(workingCopy).fileName(),
                               QFileInfo(repacked).fileName()};
    QStringList sortedExpected = expected;
    sortedExpected.sort();
    QCOMPARE(TestSupport::entries(dir), sortedExpected);

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
        << header(quint32(stream.size()), quint32(data.size() + 1), false) + stream << qint64(0)
        << false << unpack << true << 1
        << QStringLiteral("the header says %1 bytes").arg(data.size() + 1);
    QTest::newRow("indexed archive")
        << QByteArray("\x00\x01\x00WESYS", 8) + good.mid(8) << qint64(0) << false << unpack << false
        << 1 << QStringLiteral("indexed archive holding several files");
    QTest::newRow("non-zero byte after the stream, older output")
        << good + QByteArray("\x00\x00\x07", 3) << qint64(0) << false << unpack << true << 1
        << QStringLiteral("something other than zero padding");
    QTest::newRow("sizes that fit neither byte order")
        << header(quint32(good.size()), quint32(data.size()), false) + stream << qint64(0) << false
        << unpack << false << 1 << QStringLiteral("neither byte order");
    QTest::newRow("header cut short") << good.left(13) << qint64(0) << false << unpack << false << 1
                                      << QStringLiteral("ends inside the 16-byte header");
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
    const QStringList before = TestSupport::entries(temporary.path());

    arguments.replaceInStrings(QStringLiteral("IN"), gameFile);
    QString errors;
    QCOMPARE(TestSupport::runCodec(arguments, &errors), exitCode);
    QVERIFY2(errors.startsWith(QLatin1String("zlib2.dll: ")), qPrintable(errors));
    QVERIFY2(errors.contains(errorPart), qPrintable(errors));

    // Nothing was created, and an older output is exactly as it was.
    QCOMPARE(TestSupport::entries(temporary.path()), before);
    if (olderOutput)
        QCOMPARE(TestSupport::readFile(output), older);
}

void TestCodec::toolKeepsTheFormOfTheGameFile_data() {
    QTest::addColumn<QByteArray>("gameFile"); // beside the working copy unless null
    QTest::addColumn<QString>("suffix");      // of the tool's argument, after the game file's name
    QTest::addColumn<QByteArray>("prefix");   // expected bytes 0-7 of the result
    QTest::addColumn<bool>("bigEndian");
    QTest::addColumn<int>("alignment"); // 1: unpadded

    const QByteArray original = makeData(20000, 1);
    const QByteArray stream = zlibStream(original);
    const auto game = [&](const char* first, bool bigEndian) {
        return container(stream, original.size(), bigEndian, QByteArray(first, 3) + "WESYS");
    };
    const QString unzlib = QStringLiteral(".unzlib");
    const QByteArray& pc = pcPrefix;

    QTest::newRow("00 01 01, little-endian, padded to 16")
        << padded(game("\x00\x01\x01", false), 16) << unzlib << pc << false << 16;
    QTest::newRow("00 00 01, little-endian, unpadded")
        << game("\x00\x00\x01", false) << unzlib << QByteArray("\x00\x00\x01WESYS", 8) << false
        << 1;
    QTest::newRow("00 10 01, big-endian, padded to 2048")
        << padded(game("\x00\x10\x01", true), 2048) << unzlib << QByteArray("\x00\x10\x01WESYS", 8)
        << true << 2048;
    QTest::newRow("7F 33 01, big-endian, unpadded")
        << game("\x7F\x33\x01", true) << unzlib << QByteArray("\x7F\x33\x01WESYS", 8) << true << 1;
    QTest::newRow("padded to 8192, kept at 4096")
        << padded(game("\x00\x01\x01", false), 8192) << unzlib << pc << false << 4096;
    // A save can end exactly on the boundary by chance, leaving no padding byte to show it; the
    // next save pads again. One that ends on an 8-byte boundary only was never padded to 16.
    const auto unpaddedEndingOn = [&](int boundary) {
        for (int size = 20000;; ++size) {
            const QByteArray data = makeData(size, 1);
            const QByteArray file = container(zlibStream(data), data.size(), false, pcPrefix);
            if (file.size() % boundary == 0 && file.size() % (2 * boundary) != 0)
                return file;
        }
    };
    QTest::newRow("unpadded, ending on a 16-byte boundary")
        << unpaddedEndingOn(16) << unzlib << pc << false << 16;
    QTest::newRow("unpadded, ending on an 8-byte boundary")
        << unpaddedEndingOn(8) << unzlib << pc << false << 1;
    QTest::newRow("no game file") << QByteArray() << unzlib << pc << false << 1;
    QTest::newRow("game file is bare zlib") << stream << unzlib << pc << false << 1;
    QTest::newRow("game file is no container")
        << QByteArray("plain text\n") << unzlib << pc << false << 1;
    QTest::newRow("argument without .unzlib")
        << padded(game("\x00\x00\x01", true), 16) << QStringLiteral(".raw") << pc << false << 1;
}

void TestCodec::toolKeepsTheFormOfTheGameFile() {
    QFETCH(QByteArray, gameFile);
    QFETCH(QString, suffix);
    QFETCH(QByteArray, prefix);
    QFETCH(bool, bigEndian);
    QFETCH(int, alignment);

    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString gamePath = temporary.filePath(QStringLiteral("unnamed_25.bin"));
    const QString input = gamePath + suffix;
    if (!gameFile.isNull())
        QVERIFY(TestSupport::writeFile(gamePath, gameFile));
    const QByteArray edited = makeData(30000, 2);
    QVERIFY(TestSupport::writeFile(input, edited));

    QString errors;
    QCOMPARE(TestSupport::runCodec({input}, &errors), 0);
    QCOMPARE(errors, QString());
    const QByteArray packed = TestSupport::readFile(input + QStringLiteral(".zlib"));
    QCOMPARE(packed.left(8), prefix);
    QCOMPARE(uint32At(packed, 12, bigEndian), quint32(edited.size()));
    const qint64 streamEnd = 16 + uint32At(packed, 8, bigEndian);
    if (alignment == 1) {
        QCOMPARE(packed.size(), streamEnd);
    } else {
        QCOMPARE(packed.size() % alignment, 0);
        QVERIFY(packed.size() - streamEnd < alignment);
        QCOMPARE(packed.mid(streamEnd), QByteArray(packed.size() - streamEnd, '\0'));
    }
    const Container::Result unpacked = Container::decompress(packed);
    QVERIFY2(unpacked.ok(), qPrintable(unpacked.error));
    QCOMPARE(unpacked.bytes, edited);
}

QTEST_GUILESS_MAIN(TestCodec)
#include "tst_codec.moc"
