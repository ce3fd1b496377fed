#include "teams/rostertable.h"

#include <QtEndian>

namespace RosterTable {

using namespace RosterLayout;

std::optional<qint64> findTeam(QByteArrayView table, qint32 teamId, int maxRecords) {
    for (int j = 0; j < maxRecords; ++j) {
        const qint64 at = recordSize * j;
        // A record the file cuts short cannot be shown; neither can any after it.
        if (at + recordSize > table.size())
            break;
        if (qFromLittleEndian<qint32>(table.data() + at + RosterLayout::teamId) == teamId)
            return at;
    }
    return std::nullopt;
}

std::vector<RosterSlot> readSlots(QByteArrayView table, qint64 offset) {
    Q_ASSERT(offset + recordSize <= table.size());
    std::vector<RosterSlot> result;
    result.reserve(slotCount);
    for (int s = 0; s < slotCount; ++s) {
        const qint32 id = qFromLittleEndian<qint32>(table.data() + offset + playerIds + 4 * s);
        const int shirt = static_cast<quint8>(table[offset + shirtNumbers + s]);
        result.push_back({id, shirt});
    }
    return result;
}

} // namespace RosterTable
