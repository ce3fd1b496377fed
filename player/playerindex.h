#pragma once

#include "common/workingcopy.h"

#include <QByteArrayView>
#include <QStringList>

#include <optional>

// The player index: one entry per player record, the same position in every list.
struct PlayerIndex {
    QStringList names;       // the player list and its hidden twin
    QStringList nameOffsets; // N of each record, as decimal text
    QStringList ids;         // player IDs, decimal
    QStringList shirtTexts;  // the 26 bytes from the name on shirt on, up to a zero byte

    // The texts the lists show for a record; `record` holds it from its start on.
    static QString listName(QByteArrayView record);
    static QString listShirtText(QByteArrayView record);

    // Reads the whole player table in one pass; `table` holds the working copy from offset 0 to
    // at least the end of the last record.
    static PlayerIndex decode(QByteArrayView table);

    // Reads the working copy; empty, with the reason in `error`, when it is missing or ends
    // before the last record does.
    static std::optional<PlayerIndex> load(const WorkingCopy& workingCopy, QString* error);
};
