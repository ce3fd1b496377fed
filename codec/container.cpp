#include "codec/container.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <limits>

namespace Container {

namespace {

constexpr qsizetype magicSize = qsizetype(sizeof littleEndianMagic);
static_assert(magicSize == 8 && sizeof bigEndianMagic == 8);

Result failure(const QString& error) {
    return Result{QByteArray(), error};
}

QString formatMiB(qint64 bytes) {
    return QStringLiteral("%1 MiB").arg(bytes / (1024 * 1024));
}

quint32 readUInt32(const char* at, bool bigEndian) {
    const auto* b = reinterpret_cast<const unsigned char*>(at);
    if (bigEndian)
        return quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | quint32(b[3]);
    return quint32(b[3]) << 24 | quint32(b[2]) << 16 | quint32(b[1]) << 8 | quint32(b[0]);
}

void writeUInt32LittleEndian(char* at, quint32 value) {
    for (int i = 0; i < 4; ++i)
        at[i] = char((value >> (8 * i)) & 0xff);
}

bool startsWith(QByteArrayView bytes, const char (&magic)[8]) {
    return bytes.size() >= magicSize && std::memcmp(bytes.data(), magic, magicSize) == 0;
}

// True when the bytes are a (possibly incomplete) beginning of either magic.
bool isMagicPrefix(QByteArrayView bytes) {
    const qsizetype n = std::min(bytes.size(), magicSize);
    return n > 0 && (std::memcmp(bytes.data(), littleEndianMagic, n) == 0 ||
                     std::memcmp(bytes.data(), bigEndianMagic, n) == 0);
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
        return failure(QStringLiteral("the decompressor could not be started"));

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
                error = QStringLiteral("the data unpacks to more than %1, the most a game file "
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
            error = z.avail_in == 0 && inputLeft == 0
                        ? QStringLiteral("the compressed data is truncated")
                        : QStringLiteral("the compressed data is corrupt");
            break;
        case Z_NEED_DICT:
            error = QStringLiteral("the compressed data is corrupt: it asks for a preset "
                                   "dictionary, which game files never use");
            break;
        case Z_MEM_ERROR:
            error = QStringLiteral("not enough memory to decompress the data");
            break;
        default:
            error = QStringLiteral("the compressed data is corrupt (%1)")
                        .arg(z.msg ? QString::fromLatin1(z.msg) : QStringLiteral("zlib error"));
            break;
        }
        if (!error.isEmpty())
            break;
    }

    if (ended && produced > limit)
        error = QStringLiteral("the data unpacks to more than %1, the most a game file may hold")
                    .arg(formatMiB(limit));
    if (ended && error.isEmpty() && (z.avail_in > 0 || inputLeft > 0)) {
        const qint64 extra = qint64(z.avail_in) + inputLeft;
        error =
            QStringLiteral("%1 unexpected bytes follow the end of the compressed data").arg(extra);
    }
    inflateEnd(&z);

    if (!error.isEmpty())
        return failure(error);
    out.truncate(produced);
    return Result{out, QString()};
}

} // namespace

Result decompress(QByteArrayView file) {
    if (file.isEmpty())
        return failure(QStringLiteral("the file is empty"));

    const bool littleEndian = startsWith(file, littleEndianMagic);
    const bool bigEndian = startsWith(file, bigEndianMagic);

    if (!littleEndian && !bigEndian) {
        if (looksLikeZlib(file))
            return inflateStream(file, -1, maxUncompressedSize);
        if (file.size() < magicSize && isMagicPrefix(file))
            return failure(QStringLiteral("the compressed data is truncated: the file ends "
                                          "inside the header, after %1 bytes")
                               .arg(file.size()));
        return failure(QStringLiteral("not a compressed game file: unknown header"));
    }

    if (file.size() < headerSize)
        return failure(QStringLiteral("the compressed data is truncated: the file ends inside "
                                      "the %1-byte header, after %2 bytes")
                           .arg(headerSize)
                           .arg(file.size()));

    const qint64 compressedSize = readUInt32(file.data() + 8, bigEndian);
    const qint64 uncompressedSize = readUInt32(file.data() + 12, bigEndian);
    const qint64 available = file.size() - headerSize;

    if (uncompressedSize > maxUncompressedSize)
        return failure(QStringLiteral("the header says the data unpacks to %1 bytes, more "
                                      "than the %2 a game file may hold")
                           .arg(uncompressedSize)
                           .arg(formatMiB(maxUncompressedSize)));
    if (compressedSize > available)
        return failure(QStringLiteral("the compressed data is truncated: the header says %1 "
                                      "compressed bytes, the file holds %2")
                           .arg(compressedSize)
                           .arg(available));
    if (compressedSize < available)
        return failure(QStringLiteral("the header says %1 compressed bytes, but %2 follow it")
                           .arg(compressedSize)
                           .arg(available));

    Result result = inflateStream(file.sliced(headerSize), uncompressedSize, maxUncompressedSize);
    if (!result.ok())
        return result;
    if (result.bytes.size() != uncompressedSize)
        return failure(QStringLiteral("the header says %1 bytes, the data holds %2")
                           .arg(uncompressedSize)
                           .arg(result.bytes.size()));
    return result;
}

Result compress(QByteArrayView data) {
    if (data.size() > maxUncompressedSize)
        return failure(QStringLiteral("the data is %1 bytes, more than the %2 a game file may "
                                      "hold")
                           .arg(data.size())
                           .arg(formatMiB(maxUncompressedSize)));

    const uLong bound = compressBound(uLong(data.size()));
    QByteArray file(headerSize + qsizetype(bound), Qt::Uninitialized);
    uLongf written = bound;
    // An empty view may carry no pointer at all; zlib wants one.
    static const Bytef nothing = 0;
    const Bytef* source = data.isEmpty() ? &nothing : reinterpret_cast<const Bytef*>(data.data());
    const int status = compress2(reinterpret_cast<Bytef*>(file.data() + headerSize), &written,
                                 source, uLong(data.size()), Z_BEST_COMPRESSION);
    if (status != Z_OK)
        return failure(status == Z_MEM_ERROR
                           ? QStringLiteral("not enough memory to compress the data")
                           : QStringLiteral("the compressor failed (zlib status %1)").arg(status));
    static_assert(maxUncompressedSize < std::numeric_limits<quint32>::max());

    std::memcpy(file.data(), littleEndianMagic, magicSize);
    writeUInt32LittleEndian(file.data() + 8, quint32(written));
    writeUInt32LittleEndian(file.data() + 12, quint32(data.size()));
    file.truncate(headerSize + qsizetype(written));
    return Result{file, QString()};
}

} // namespace Container
