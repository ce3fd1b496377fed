// Team file working copies of any content and length, and any text typed for a rename: the
// fuzzer's bytes are laid over the sample team file at an offset it chooses, the file is cut at a
// length it chooses, and its last bytes become the new name.
#include "teamnames/teamnametable.h"
#include "tools/samplebuilder.h"

#include <QtEndian>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QByteArray sample = SampleBuilder::teamFile();
    if (size < 8)
        return 0;
    const quint32 at = qFromLittleEndian<quint32>(data) % quint32(sample.size());
    const quint32 length = qFromLittleEndian<quint32>(data + 4) % quint32(sample.size() + 1);
    QByteArray file = sample;
    const QByteArray patch(reinterpret_cast<const char*>(data + 8), qsizetype(size - 8));
    file.replace(at, std::min<qsizetype>(patch.size(), file.size() - at), patch);
    file.truncate(length);

    using namespace TeamNameLayout;
    if (file.size() >= std::max(longNamePassEnd, shortNamePassEnd)) {
        const TeamNameLists lists = TeamNameTable::decode(file);
        if (lists.names.size() != lists.nameOffsets.size() ||
            lists.shortNames.size() != lists.teamIds.size())
            std::abort();
    }
    const QString name = QString::fromUtf8(patch.right(80));
    QString error;
    if (const auto patches = TeamNameTable::renamePatches(
            80, name, TeamNameTable::ShortNameTarget{name.left(3), shortNameOffset(200)}, &error))
        for (const Patch& p : *patches)
            if (p.offset < 80 || p.offset + p.bytes.size() > std::max(renameEnd, shortNamePassEnd))
                std::abort();
    return 0;
}
