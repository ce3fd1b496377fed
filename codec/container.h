#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>

// The game's compressed files. What is known of them comes from public format notes on the
// series' PC data of this era:
//
//   bytes 0-7    00, a variant byte (00 or 01 in PC data, 10 from some community tools), the
//                type (1: one zlib stream; 0: an indexed archive of several files), "WESYS"
//   bytes 8-11   compressed size: the length of the zlib stream, unsigned 32-bit
//   bytes 12-15  uncompressed size, unsigned 32-bit, in the same byte order
//   16...        one zlib stream of exactly the compressed size
//   after it     zero padding to an alignment boundary, in some files
//
// PC data stores the sizes little-endian, console data big-endian behind the same prefixes, so
// the prefix never tells the byte order: the file's length does.
namespace Container {

constexpr int prefixSize = 8; // bytes 0-7
constexpr int variantOffset = 1;
constexpr int typeOffset = 2;
constexpr int signatureOffset = 3;
constexpr char signature[] = {'W', 'E', 'S', 'Y', 'S'};
constexpr int compressedSizeOffset = 8;
constexpr int uncompressedSizeOffset = 12;
constexpr int headerSize = 16;

// Values of the type byte.
constexpr char archiveType = 0;      // an index and several files; not a file the editor edits
constexpr char singleStreamType = 1; // one zlib stream: every game file the editor edits

// The boundary the PC form pads its files to.
constexpr int pcAlignment = 16;
// Padding boundaries seen in the game's files are small powers of two; nothing pads further.
constexpr int maxAlignment = 4096;
// Far above any database of the game; a header claiming more is refused before inflating.
constexpr qint64 maxUncompressedSize = 64LL * 1024 * 1024;

// How a file is laid out around its stream, so that a file can be replaced by one of the same
// form. The default is what PC data uses and what the codec tool writes without an original.
struct Form {
    std::array<char, prefixSize> prefix{0x00, 0x01, singleStreamType, 'W', 'E', 'S', 'Y', 'S'};
    bool bigEndian = false;
    // The file's length is padded with zeros to a multiple of this; 1 means no padding.
    int alignment = 1;

    friend bool operator==(const Form&, const Form&) = default;
};

struct Result {
    QByteArray bytes;
    QString error; // empty on success
    bool ok() const { return error.isEmpty(); }
};

// The form of a single-stream container whose sizes fit the file in one byte order and whose
// padding is all zeros; nothing for anything else (a bare zlib stream, an archive, a damaged
// header). The stream itself is not inflated. The alignment of a padded file is the largest power
// of two up to maxAlignment that divides its length. A file without padding that ends on a
// pcAlignment boundary is taken to be padded to it: the PC form pads so, and a stream that happens
// to end on the boundary leaves no padding byte to show it.
std::optional<Form> formOf(QByteArrayView file);

// Accepts a single-stream container of any variant, either byte order and zero padding, or a bare
// zlib stream. The uncompressed size in a header must match the data exactly.
Result decompress(QByteArrayView file);

// Writes a container of the given form. Refuses a form whose prefix is not a single-stream one or
// whose alignment is not a power of two up to maxAlignment.
Result compress(QByteArrayView data, const Form& form = Form{});

} // namespace Container
