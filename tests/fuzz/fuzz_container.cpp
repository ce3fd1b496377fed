// Any bytes as a game file: decompress must refuse or succeed, never crash or overrun. What it
// accepts must compress in the file's own form (the default form for a bare zlib stream) into a
// file of that form which decompresses back to the same bytes.
#include "codec/container.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView file(reinterpret_cast<const char*>(data), qsizetype(size));
    const Container::Result unpacked = Container::decompress(file);
    const std::optional<Container::Form> form = Container::formOf(file);
    if (!unpacked.ok())
        return 0;
    // Only a bare stream is accepted without a form.
    const bool hasSignature = size >= 8 && std::memcmp(data + 3, "WESYS", 5) == 0;
    if (hasSignature != form.has_value())
        std::abort();

    const Container::Form kept = form.value_or(Container::Form{});
    const Container::Result packed = Container::compress(unpacked.bytes, kept);
    if (!packed.ok())
        std::abort();
    const Container::Result again = Container::decompress(packed.bytes);
    if (!again.ok() || again.bytes != unpacked.bytes)
        std::abort();
    const std::optional<Container::Form> packedForm = Container::formOf(packed.bytes);
    if (!packedForm || packedForm->prefix != kept.prefix ||
        packedForm->bigEndian != kept.bigEndian || packed.bytes.size() % kept.alignment != 0)
        std::abort();
    return 0;
}
