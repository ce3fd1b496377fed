#include "player/playerindex.h"

#include "common/gametext.h"
#include "player/playerrecord.h"

#include <QtEndian>

PlayerIndex PlayerIndex::decode(QByteArrayView table) {
    using namespace PlayerLayout;
    Q_ASSERT(table.size() >= tableEnd);
    PlayerIndex index;
    index.names.reserve(recordCount);
    index.nameOffsets.reserve(recordCount);
    index.ids.reserve(recordCount);
    index.shirtTexts.reserve(recordCount);
    for (int i = 0; i < recordCount; ++i) {
        const qint64 n = nameOffset(i);
        index.names << GameText::decode(table.sliced(n + name, nameWidth));
        index.nameOffsets << QString::number(n);
        index.ids << QString::number(qFromLittleEndian<qint32>(table.data() + n + playerId));
        index.shirtTexts << GameText::decode(table.sliced(n + shirtName, shirtNameListWidth));
    }
    return index;
}

std::optional<PlayerIndex> PlayerIndex::load(const WorkingCopy& workingCopy, QString* error) {
    const auto table = workingCopy.read(0, PlayerLayout::tableEnd);
    if (!table) {
        *error = workingCopy.errorString();
        return std::nullopt;
    }
    return decode(*table);
}
