#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The game's compressed files: a 16-byte header and one zlib stream. The header is 8 magic bytes,
// then the compressed and the uncompressed size as unsigned 32-bit integers, little-endian in the
// usual variant and big-endian in the other.
namespace Container {

constexpr int headerSize = 16;
constexpr char littleEndianMagic[8] = {0x00, 0x10, 0x01, 'W', 'E', 'S', 'Y', 'S'};
constexpr char bigEndianMagic[8] = {0x00, 0x01, 0x01, 'W', 'E', 'S', 'Y', 'S'};
// Far above any database of the game; a header claiming more is refused before inflating.
constexpr qint64 maxUncompressedSize = 64LL * 1024 * 1024;

struct Result {
    QByteArray bytes;
    QString error; // empty on success
    bool ok() const { return error.isEmpty(); }
};

// Accepts either header variant, or a bare zlib stream. The sizes in a header must match the
// stream exactly.
Result decompress(QByteArrayView file);

// Always writes the little-endian variant.
Result compress(QByteArrayView data);

} // namespace Container
