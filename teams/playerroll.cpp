#include "teams/playerroll.h"

#include "player/playerindex.h"
#include "player/playerrecord.h"

#include <QtEndian>

#include <algorithm>

namespace L = PlayerLayout;

PlayerRoll::PlayerRoll(QByteArrayView database) : m_database(database) {
    const int count = int(std::clamp<qint64>((database.size() - L::tableStart) / L::recordSize, 0,
                                             L::editableRecordCount));
    m_recordOf.reserve(count);
    for (int i = count - 1; i >= 0; --i)
        m_recordOf.insert(qFromLittleEndian<qint32>(database.data() + L::recordStart(i)), i);
}

std::optional<int> PlayerRoll::recordOf(qint32 id) const {
    const auto found = m_recordOf.constFind(id);
    return found == m_recordOf.cend() ? std::nullopt : std::optional(*found);
}

QString PlayerRoll::name(qint32 id) const {
    const auto record = recordOf(id);
    return record ? PlayerIndex::listName(m_database.sliced(L::recordStart(*record), L::recordSize))
                  : QString();
}
