// Player database working copies of any content and length: the fuzzer's bytes are laid over the
// sample database at an offset it chooses, and the file is cut at a length it chooses. Loading
// the index, decoding records and scanning the roster table must never read out of bounds.
#include "player/playerindex.h"
#include "player/playerrecord.h"
#include "teams/rostertable.h"
#include "tools/samplebuilder.h"

#include <QtEndian>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QByteArray sample = SampleBuilder::playerDatabase();
    if (size < 8)
        return 0;
    const quint32 at = qFromLittleEndian<quint32>(data) % quint32(sample.size());
    const quint32 length = qFromLittleEndian<quint32>(data + 4) % quint32(sample.size() + 1);
    QByteArray file = sample;
    const QByteArrayView patch(reinterpret_cast<const char*>(data + 8), qsizetype(size - 8));
    file.replace(at, std::min<qsizetype>(patch.size(), file.size() - at), patch.toByteArray());
    file.truncate(length);

    if (file.size() >= PlayerLayout::tableEnd) {
        const PlayerIndex index = PlayerIndex::decode(file);
        if (index.names.size() != PlayerLayout::recordCount)
            std::abort();
        for (int i = 0; i < PlayerLayout::recordCount; i += 97)
            PlayerRecord::decode(QByteArrayView(file).sliced(PlayerLayout::recordStart(i),
                                                             PlayerLayout::recordSize));
    }
    if (file.size() > RosterLayout::tableStart) {
        const QByteArrayView table = QByteArrayView(file).sliced(RosterLayout::tableStart);
        for (const qint32 teamId : {qint32(-1), qint32(0), qint32(100), qint32(16)})
            if (const auto record = RosterTable::findTeam(table, teamId, PlayerLayout::recordCount))
                RosterTable::readSlots(table, *record);
    }
    return 0;
}
