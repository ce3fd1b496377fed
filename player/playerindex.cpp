#include "player/playerindex.h"

#include "common/gametext.h"
#include "player/playerrecord.h"

#include <QtEndian>

QString PlayerIndex::listName(QByteArrayView record) {
    using namespace PlayerLayout;
    return GameText::decode(record.sliced(nameOffsetInRecord + name, nameWidth));
}

QString PlayerIndex::listShirtText(QByteArrayView record) {
    using namespace PlayerLayout;
    return GameText::decode(record.sliced(nameOffsetInRecord + shirtName, shirtNameWidth));
}

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
        const QByteArrayView record = table.sliced(recordStart(i), recordSize);
        index.names << listName(record);
        index.nameOffsets << QString::number(n);
        index.ids << QString::number(qFromLittleEndian<qint32>(table.data() + n + playerId));
        index.shirtTexts << listShirtText(record);
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
