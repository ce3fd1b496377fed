#include "teamnames/teamnametable.h"

#include "common/gametext.h"

#include <QtEndian>

#include <algorithm>

namespace TeamNameTable {

using namespace TeamNameLayout;

bool isPlaceholderName(QByteArrayView slot) {
    return slot.startsWith(QByteArrayView(dummyName));
}

bool isPlaceholderShortName(QByteArrayView shortName) {
    return shortName.first(std::min<qsizetype>(shortName.size(), shortNameWidth)) ==
           QByteArrayView(dummyShortName);
}

TeamNameLists decode(QByteArrayView file) {
    Q_ASSERT(file.size() >= std::max(longNamePassEnd, shortNamePassEnd));
    TeamNameLists lists;
    for (int k = 0; k < longNameCount; ++k) {
        const QByteArrayView slot = file.sliced(longNameOffset(k), nameSlotWidth);
        if (isPlaceholderName(slot))
            continue;
        lists.names << GameText::decode(slot);
        lists.nameOffsets << QString::number(longNameOffset(k));
    }
    for (int m = 0; m < shortNameCount; ++m) {
        const qint64 at = shortNameOffset(m);
        const QByteArrayView shortName = file.sliced(at, shortNameWidth);
        if (isPlaceholderShortName(shortName))
            continue;
        lists.shortNames << GameText::decode(shortName);
        lists.teamIds << QString::number(
            qFromLittleEndian<qint16>(file.data() + at + teamIdInShortEntry));
    }
    return lists;
}

std::optional<TeamNameLists> load(const WorkingCopy& workingCopy, QString* error) {
    const auto bytes = workingCopy.read(0, std::max(longNamePassEnd, shortNamePassEnd));
    if (!bytes) {
        *error = workingCopy.errorString();
        return std::nullopt;
    }
    return decode(*bytes);
}

std::optional<std::vector<Patch>> renamePatches(qint64 nameOffset, const QString& name,
                                                const std::optional<QString>& shortName,
                                                QString* error) {
    const auto nameBytes = GameText::encodeField(name, nameSlotWidth);
    if (!nameBytes) {
        *error =
            name.size() > nameSlotWidth
                ? QStringLiteral("The team name may have at most %1 characters.").arg(nameSlotWidth)
                : QStringLiteral("The team name holds characters the game cannot store: %1")
                      .arg(GameText::unrepresentable(name));
        return std::nullopt;
    }
    std::vector<Patch> patches;
    for (const int slot : renamedSlots)
        patches.push_back({nameOffset + qint64(slot) * nameSlotWidth, *nameBytes});
    if (!shortName)
        return patches;
    const auto shortBytes = GameText::encodeField(*shortName, shortNameWidth);
    if (!shortBytes) {
        *error = shortName->size() > shortNameWidth
                     ? QStringLiteral("The short name may have at most %1 characters.")
                           .arg(shortNameWidth)
                     : QStringLiteral("The short name holds characters the game cannot store: %1")
                           .arg(GameText::unrepresentable(*shortName));
        return std::nullopt;
    }
    patches.push_back({nameOffset + renamedShortName, *shortBytes});
    return patches;
}

} // namespace TeamNameTable
