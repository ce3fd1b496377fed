#pragma once

#include "common/workingcopy.h"
#include "teamnames/teamnamelayout.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What the team name editor lists from the team file. The names come from the long-name table,
// the short names and team IDs from the short-name table; they are paired only by position.
struct TeamNameLists {
    QStringList names;       // slot 0 of each listed long-name entry
    QStringList nameOffsets; // the listed entries' offsets, as decimal text
    QStringList shortNames;
    QStringList teamIds;             // decimal, signed 16-bit
    QList<qint64> shortEntryOffsets; // where each listed short name and team ID lie
};

namespace TeamNameTable {

// An entry whose first five bytes are "DUMMY" (so also a longer name starting with them).
bool isPlaceholderName(QByteArrayView slot);
// A short-name entry whose three bytes are "DMY".
bool isPlaceholderShortName(QByteArrayView shortName);

// Both passes over the working copy's bytes, which must reach past the last byte either reads.
TeamNameLists decode(QByteArrayView file);

// Reads the working copy and decodes it; empty, with the reason in `error`, when the file is
// missing or too short for either pass.
std::optional<TeamNameLists> load(const WorkingCopy& workingCopy, QString* error);

// The parts of a rename, each written only when it changes. The name goes into twelve of the
// sixteen slots, each zero-filled. The short name (zero-filled to three bytes) goes both after the
// name slots, where the game's own tools write it, and into the short-name entry paired with the
// team, which is what the team list shows. Empty, with a refusal that names no field ("may have at
// most 70 characters."), when the text does not fit or is not representable.
std::optional<std::vector<Patch>> namePatches(qint64 nameOffset, const QString& name,
                                              QString* refusal);
std::optional<std::vector<Patch>> shortNamePatches(qint64 nameOffset, qint64 shortEntryOffset,
                                                   const QString& shortName, QString* refusal);

// A listed team's short name and the short-name entry it is paired with.
struct ShortNameTarget {
    QString text;
    qint64 entryOffset = 0;
};

// The whole rename of the entry at `nameOffset`. A team listed past the end of the short names
// has no entry to write (`shortName` empty): the short-name bytes then stay as stored. Empty, with
// the reason in `error`, when the name or short name does not fit or is not representable.
std::optional<std::vector<Patch>> renamePatches(qint64 nameOffset, const QString& name,
                                                const std::optional<ShortNameTarget>& shortName,
                                                QString* error);

} // namespace TeamNameTable
