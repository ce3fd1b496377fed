#include "codec/container.h"

#include <QCoreApplication>
#include <QList>
#include <QtEndian>

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <memory>

namespace Container {

namespace {

constexpr qsizetype signatureSize = qsizetype(sizeof signature);
static_assert(signatureOffset + signatureSize == prefixSize);
static_assert(uncompressedSizeOffset + 4 == headerSize);
static_assert(maxUncompressedSize < std::numeric_limits<quint32>::max());

// Chosen on two player databases: the sample, of names, abilities spread by position and fields
// of few values, and the same with random bytes wherever the editor reads nothing, the hardest to
// pack. Level 7's stream is at most 0.6 % larger than zlib's at its best level on either, written
// in a tenth to a fifth of zlib's time; level 6 came out 1.1 % larger on the sample, level 1 7 %,
// and levels 8 and 9, a little smaller than zlib's, take a third of its time on the second. The
// benchmark program measures both compressors side by side on both databases.
constexpr int compressionLevel = 7;

struct FreeCompressor {
    void operator()(libdeflate_compressor* compressor) const {
        libdeflate_free_compressor(compressor);
    }
};
struct FreeDecompressor {
    void operator()(libdeflate_decompressor* decompressor) const {
        libdeflate_free_decompressor(decompressor);
    }
};
using Compressor = std::unique_ptr<libdeflate_compressor, FreeCompressor>;
using Decompressor = std::unique_ptr<libdeflate_decompressor, FreeDecompressor>;

Result failure(const QString& error) {
    return Result{QByteArray(), error};
}

QString formatMiB(qint64 bytes) {
    return QCoreApplication::translate("Container", "%1 MiB").arg(bytes / (1024 * 1024));
}

// "WESYS" at bytes 3-7: a container of some type.
bool hasSignature(QByteArrayView file) {
    return file.size() >= prefixSize &&
           std::memcmp(file.data() + signatureOffset, signature, signatureSize) == 0;
}

// True when a file shorter than the prefix could be the beginning of a container header: the type
// byte, when present, is a known type, and the signature's bytes so far match.
bool couldBeCutPrefix(QByteArrayView file) {
    if (file.size() >= prefixSize)
        return false;
    for (qsizetype at = typeOffset; at < file.size(); ++at) {
        const char byte = file[at];
        const bool matches = at == typeOffset ? byte == singleStreamType || byte == archiveType
                                              : byte == signature[at - signatureOffset];
        if (!matches)
            return false;
    }
    return true;
}

bool isSingleStreamPrefix(const char* prefix) {
    return prefix[typeOffset] == singleStreamType &&
           std::memcmp(prefix + signatureOffset, signature, signatureSize) == 0;
}

// The header's two sizes read in one byte order.
struct Reading {
    bool bigEndian = false;
    qint64 compressedSize = 0;
    qint64 uncompressedSize = 0;
};

Reading readSizes(QByteArrayView file, bool bigEndian) {
    const auto read = [&](int offset) -> qint64 {
        const char* at = file.data() + offset;
        return bigEndian ? qFromBigEndian<quint32>(at) : qFromLittleEndian<quint32>(at);
    };
    return Reading{bigEndian, read(compressedSizeOffset), read(uncompressedSizeOffset)};
}

qint64 streamEnd(const Reading& reading) {
    return headerSize + reading.compressedSize;
}

// Offset of the first non-zero byte at or after `from`, or -1 when there is none.
qsizetype firstNonZero(QByteArrayView file, qsizetype from) {
    const auto begin = file.begin() + from;
    const auto found = std::find_if(begin, file.end(), [](char byte) { return byte != 0; });
    return found == file.end() ? -1 : from + (found - begin);
}

// A reading fits when its stream lies inside the file, its data within the bound, and only zero
// padding follows the stream.
bool fits(QByteArrayView file, const Reading& reading) {
    return streamEnd(reading) <= file.size() && reading.uncompressedSize <= maxUncompressedSize &&
           firstNonZero(file, streamEnd(reading)) < 0;
}

// The readings that fit, the little-endian one of PC data first. A real file fits one only: a
// wrong reading of the compressed size lands inside the stream, or tens of kilobytes away.
QList<Reading> fittingReadings(QByteArrayView file) {
    QList<Reading> readings;
    for (const bool bigEndian : {false, true}) {
        const Reading reading = readSizes(file, bigEndian);
        if (fits(file, reading) &&
            (readings.isEmpty() || readings.first().compressedSize != reading.compressedSize ||
             readings.first().uncompressedSize != reading.uncompressedSize))
            readings << reading;
    }
    return readings;
}

// Why no reading fits, told by the reading whose stream lies inside the file when there is one.
QString whyNoReadingFits(QByteArrayView file) {
    const qint64 available = file.size() - headerSize;
    for (const bool bigEndian : {false, true}) {
        const Reading reading = readSizes(file, bigEndian);
        if (streamEnd(reading) > file.size())
            continue;
        if (reading.uncompressedSize > maxUncompressedSize)
            return QCoreApplication::translate(
                       "Container", "the header says the data unpacks to %1 bytes, more than the "
                                    "%2 a game file may hold")
                .arg(reading.uncompressedSize)
                .arg(formatMiB(maxUncompressedSize));
        const qsizetype bad = firstNonZero(file, streamEnd(reading));
        return QCoreApplication::translate(
                   "Container", "the file goes on after the %1 compressed bytes the header gives "
                                "with something other than zero padding: byte %2 of the file is "
                                "0x%3")
            .arg(reading.compressedSize)
            .arg(bad)
            .arg(quint8(file[bad]), 2, 16, QLatin1Char('0'));
    }
    return QCoreApplication::translate(
               "Container",
               "the compressed data is truncated or the header is damaged: its sizes "
               "fit the file in neither byte order (%1 compressed bytes read "
               "little-endian, %2 read big-endian; the file holds %3 after the header)")
        .arg(readSizes(file, false).compressedSize)
        .arg(readSizes(file, true).compressedSize)
        .arg(available);
}

// The two bytes a zlib stream starts with: deflate with a window of at most 32 KiB, and a check
// value that makes the pair a multiple of 31.
bool looksLikeZlib(QByteArrayView bytes) {
    if (bytes.size() < 2)
        return false;
    const unsigned cmf = static_cast<unsigned char>(bytes[0]);
    const unsigned flg = static_cast<unsigned char>(bytes[1]);
    return (cmf & 0x0f) == 8 && (cmf >> 4) <= 7 && (cmf * 256 + flg) % 31 == 0;
}

// Inflates exactly one zlib stream that must fill `stream` completely. Never produces more than
// `limit` bytes; `expectedSize` (or -1) only sizes the first allocation.
Result inflateStream(QByteArrayView stream, qint64 expectedSize, qint64 limit) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return failure(
            QCoreApplication::translate("Container", "the decompressor could not be started"));

    QByteArray out;
    // One byte beyond the expected size lets a longer stream show itself without a regrowth.
    qint64 capacity =
        expectedSize >= 0 ? expectedSize + 1 : std::max<qint64>(stream.size() * 4, 4096);
    capacity = std::min(capacity, limit + 1);
    out.resize(capacity);

    const auto* in = reinterpret_cast<const Bytef*>(stream.data());
    qint64 inputLeft = stream.size();
    qint64 produced = 0;
    QString error;
    bool ended = false;

    while (!ended) {
        if (z.avail_in == 0 && inputLeft > 0) {
            const auto chunk = uInt(std::min<qint64>(inputLeft, 1 << 30));
            z.next_in = const_cast<Bytef*>(in);
            z.avail_in = chunk;
            in += chunk;
            inputLeft -= chunk;
        }
        if (produced == qint64(out.size())) {
            if (produced > limit) {
                error = QCoreApplication::translate(
                            "Container", "the data unpacks to more than %1, the most a game file "
                                         "may hold")
                            .arg(formatMiB(limit));
                break;
            }
            out.resize(std::min(std::max<qint64>(produced * 2, 4096), limit + 1));
        }
        const auto room = uInt(std::min<qint64>(out.size() - produced, 1 << 30));
        z.next_out = reinterpret_cast<Bytef*>(out.data() + produced);
        z.avail_out = room;

        const int status = inflate(&z, Z_NO_FLUSH);
        produced += room - z.avail_out;

        switch (status) {
        case Z_STREAM_END:
            ended = true;
            break;
        case Z_OK:
            break;
        case Z_BUF_ERROR:
            // No progress was possible although there was room to write: the input ran out.
            error =
                z.avail_in == 0 && inputLeft == 0
                    ? QCoreApplication::translate("Container", "the compressed data is truncated")
                    : QCoreApplication::translate("Container", "the compressed data is corrupt");
            break;
        case Z_NEED_DICT:
            error = QCoreApplication::translate(
                "Container", "the compressed data is corrupt: it asks for a preset "
                             "dictionary, which game files never use");
            break;
        case Z_MEM_ERROR:
            error = QCoreApplication::translate("Container",
                                                "not enough memory to decompress the data");
            break;
        default:
            error = QCoreApplication::translate("Container", "the compressed data is corrupt (%1)")
                        .arg(z.msg ? QString::fromLatin1(z.msg)
                                   : QCoreApplication::translate("Container", "zlib error"));
            break;
        }
        if (!error.isEmpty())
            break;
    }

    if (ended && produced > limit)
        error = QCoreApplication::translate(
                    "Container", "the data unpacks to more than %1, the most a game file may hold")
                    .arg(formatMiB(limit));
    if (ended && error.isEmpty() && (z.avail_in > 0 || inputLeft > 0)) {
        const qint64 extra = qint64(z.avail_in) + inputLeft;
        error = QCoreApplication::translate(
                    "Container", "%1 unexpected bytes follow the end of the compressed data")
                    .arg(extra);
    }
    inflateEnd(&z);

    if (!error.isEmpty())
        return failure(error);
    out.truncate(produced);
    return Result{out, QString()};
}

// The data of a stream that fills `stream` exactly and unpacks to exactly `size` bytes, inflated
// in one go by libdeflate (over twice as fast as zlib); nothing for any other stream. libdeflate
// tells only that a stream failed, not why, so such a stream goes to inflateStream for the reason.
std::optional<QByteArray> inflateWhole(QByteArrayView stream, qint64 size) {
    const Decompressor decompressor(libdeflate_alloc_decompressor());
    if (!decompressor)
        return std::nullopt;
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    size_t consumed = 0;
    size_t produced = 0;
    const libdeflate_result status =
        libdeflate_zlib_decompress_ex(decompressor.get(), stream.data(), size_t(stream.size()),
                                      out.data(), size_t(out.size()), &consumed, &produced);
    if (status != LIBDEFLATE_SUCCESS || consumed != size_t(stream.size()) ||
        produced != size_t(size))
        return std::nullopt;
    return out;
}

Result decodeStream(QByteArrayView file, const Reading& reading) {
    const QByteArrayView stream = file.sliced(headerSize, reading.compressedSize);
    if (std::optional<QByteArray> whole = inflateWhole(stream, reading.uncompressedSize))
        return Result{std::move(*whole), QString()};
    Result result = inflateStream(stream, reading.uncompressedSize, maxUncompressedSize);
    if (result.ok() && result.bytes.size() != reading.uncompressedSize)
        return failure(
            QCoreApplication::translate("Container", "the header says %1 bytes, the data holds %2")
                .arg(reading.uncompressedSize)
                .arg(result.bytes.size()));
    return result;
}

int alignmentOf(qint64 length) {
    // The lowest set bit is the largest power of two that divides the length.
    return int(std::min<qint64>(length & -length, maxAlignment));
}

} // namespace

std::optional<Form> formOf(QByteArrayView file) {
    if (!hasSignature(file) || file[typeOffset] != singleStreamType || file.size() < headerSize)
        return std::nullopt;
    const QList<Reading> readings = fittingReadings(file);
    if (readings.isEmpty())
        return std::nullopt;
    Form form;
    std::copy_n(file.data(), prefixSize, form.prefix.begin());
    form.bigEndian = readings.first().bigEndian;
    const bool padded = streamEnd(readings.first()) != file.size();
    form.alignment = padded                           ? alignmentOf(file.size())
                     : file.size() % pcAlignment == 0 ? pcAlignment
                                                      : 1;
    return form;
}

Result decompress(QByteArrayView file) {
    if (file.isEmpty())
        return failure(QCoreApplication::translate("Container", "the file is empty"));

    if (!hasSignature(file)) {
        if (looksLikeZlib(file))
            return inflateStream(file, -1, maxUncompressedSize);
        if (couldBeCutPrefix(file))
            return failure(QCoreApplication::translate(
                               "Container", "the compressed data is truncated: the file ends "
                                            "inside the header, after %1 bytes")
                               .arg(file.size()));
        return failure(
            QCoreApplication::translate("Container", "not a compressed game file: unknown header"));
    }

    const char type = file[typeOffset];
    if (type == archiveType)
        return failure(QCoreApplication::translate(
            "Container", "this is an indexed archive holding several files, not one "
                         "compressed game file"));
    if (type != singleStreamType)
        return failure(QCoreApplication::translate(
                           "Container", "not a compressed game file: unknown container type %1 "
                                        "(byte 2 is 1 for one compressed file, 0 for an archive)")
                           .arg(quint8(type)));

    if (file.size() < headerSize)
        return failure(QCoreApplication::translate(
                           "Container", "the compressed data is truncated: the file ends inside "
                                        "the %1-byte header, after %2 bytes")
                           .arg(headerSize)
                           .arg(file.size()));

    const QList<Reading> readings = fittingReadings(file);
    if (readings.isEmpty())
        return failure(whyNoReadingFits(file));
    // Should a wrong reading fit as well, its stream fails to inflate and the other one decides.
    Result first;
    for (const Reading& reading : readings) {
        Result result = decodeStream(file, reading);
        if (result.ok())
            return result;
        if (first.ok())
            first = std::move(result);
    }
    return first;
}

Result compress(QByteArrayView data, const Form& form) {
    if (!isSingleStreamPrefix(form.prefix.data()))
        return failure(QCoreApplication::translate(
            "Container", "the form's bytes 2-7 are not those of a compressed game "
                         "file (1, then \"WESYS\")"));
    if (form.alignment < 1 || form.alignment > maxAlignment ||
        !std::has_single_bit(unsigned(form.alignment)))
        return failure(QCoreApplication::translate(
                           "Container", "the form's alignment %1 is not a power of two up to %2")
                           .arg(form.alignment)
                           .arg(maxAlignment));
    if (data.size() > maxUncompressedSize)
        return failure(QCoreApplication::translate(
                           "Container", "the data is %1 bytes, more than the %2 a game file may "
                                        "hold")
                           .arg(data.size())
                           .arg(formatMiB(maxUncompressedSize)));

    const Compressor compressor(libdeflate_alloc_compressor(compressionLevel));
    if (!compressor)
        return failure(
            QCoreApplication::translate("Container", "not enough memory to compress the data"));
    const size_t bound = libdeflate_zlib_compress_bound(compressor.get(), size_t(data.size()));
    QByteArray file(headerSize + qsizetype(bound) + form.alignment - 1, Qt::Uninitialized);
    // An empty view may carry no pointer at all; the compressor is given one all the same.
    static const char nothing = 0;
    const char* source = data.isEmpty() ? &nothing : data.data();
    const size_t written = libdeflate_zlib_compress(compressor.get(), source, size_t(data.size()),
                                                    file.data() + headerSize, bound);
    // No stream exceeds the bound libdeflate gives; a zero would mean the library is broken.
    if (written == 0)
        return failure(QCoreApplication::translate(
            "Container", "the compressor failed: its stream did not fit the room it "
                         "asked for"));

    std::copy(form.prefix.begin(), form.prefix.end(), file.data());
    const auto writeSize = [&](int offset, quint32 value) {
        if (form.bigEndian)
            qToBigEndian<quint32>(value, file.data() + offset);
        else
            qToLittleEndian<quint32>(value, file.data() + offset);
    };
    writeSize(compressedSizeOffset, quint32(written));
    writeSize(uncompressedSizeOffset, quint32(data.size()));

    const qsizetype end = headerSize + qsizetype(written);
    const qsizetype padded = (end + form.alignment - 1) / form.alignment * form.alignment;
    std::memset(file.data() + end, 0, size_t(padded - end));
    file.truncate(padded);
    return Result{file, QString()};
}

} // namespace Container
