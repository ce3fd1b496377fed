// Any bytes as a game file: decompress must refuse or succeed, never crash or overrun; what it
// accepts must compress and decompress back to the same bytes.
#include "codec/container.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Container::Result unpacked =
        Container::decompress(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!unpacked.ok())
        return 0;
    const Container::Result packed = Container::compress(unpacked.bytes);
    if (!packed.ok() || Container::decompress(packed.bytes).bytes != unpacked.bytes)
        std::abort();
    return 0;
}
