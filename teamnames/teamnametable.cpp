#include "teamnames/teamnametable.h"

#include "common/gametext.h"

#include <QtEndian>

#include <algorithm>

namespace {

std::optional<QByteArray> fieldBytes(const QString& text, int width, QString* refusal) {
    const auto bytes = GameText::encodeField(text, width);
    if (!bytes)
        *refusal = text.size() > width
                       ? QStringLiteral("may have at most %1 characters.").arg(width)
                       : QStringLiteral("holds characters the game cannot store: %1")
                             .arg(GameText::unrepresentable(text));
    return bytes;
}

} // namespace

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
        lists.shortEntryOffsets << at;
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

std::optional<std::vector<Patch>> namePatches(qint64 nameOffset, const QString& name,
                                              QString* refusal) {
    const auto bytes = fieldBytes(name, nameSlotWidth, refusal);
    if (!bytes)
        return std::nullopt;
    std::vector<Patch> patches;
    for (const int slot : renamedSlots)
        patches.push_back({nameOffset + qint64(slot) * nameSlotWidth, *bytes});
    return patches;
}

std::optional<std::vector<Patch>> shortNamePatches(qint64 nameOffset, qint64 shortEntryOffset,
                                                   const QString& shortName, QString* refusal) {
    const auto bytes = fieldBytes(shortName, shortNameWidth, refusal);
    if (!bytes)
        return std::nullopt;
    return std::vector<Patch>{{nameOffset + renamedShortName, *bytes}, {shortEntryOffset, *bytes}};
}

std::optional<std::vector<Patch>> renamePatches(qint64 nameOffset, const QString& name,
                                                const std::optional<ShortNameTarget>& shortName,
                                                QString* error) {
    QString refusal;
    auto patches = namePatches(nameOffset, name, &refusal);
    if (!patches) {
        *error = QStringLiteral("The team name ") + refusal;
        return std::nullopt;
    }
    if (!shortName)
        return patches;
    const auto shortPatches =
        shortNamePatches(nameOffset, shortName->entryOffset, shortName->text, &refusal);
    if (!shortPatches) {
        *error = QStringLiteral("The short name ") + refusal;
        return std::nullopt;
    }
    patches->insert(patches->end(), shortPatches->begin(), shortPatches->end());
    return patches;
}

} // namespace TeamNameTable
