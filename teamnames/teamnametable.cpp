#include "teamnames/teamnametable.h"

#include "common/gametext.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <array>

namespace {

// Which field a refusal names: none (the caller names it), the team name or the short name.
enum class Field { Unnamed, TeamName, ShortName };

// Each field's refusals as whole sentences, so that every language can order its words: a text
// too long, and one with characters the game cannot store.
constexpr std::array<std::array<const char*, 2>, 3> refusals{{
    {QT_TRANSLATE_NOOP("TeamNameTable", "may have at most %1 characters."),
     QT_TRANSLATE_NOOP("TeamNameTable", "holds characters the game cannot store: %1")},
    {QT_TRANSLATE_NOOP("TeamNameTable", "The team name may have at most %1 characters."),
     QT_TRANSLATE_NOOP("TeamNameTable",
                       "The team name holds characters the game cannot store: %1")},
    {QT_TRANSLATE_NOOP("TeamNameTable", "The short name may have at most %1 characters."),
     QT_TRANSLATE_NOOP("TeamNameTable",
                       "The short name holds characters the game cannot store: %1")},
}};

// Why the text does not fit a field of `width` bytes.
QString refusalFor(Field field, const QString& text, int width) {
    const auto& texts = refusals[std::size_t(field)];
    return text.size() > width ? QCoreApplication::translate("TeamNameTable", texts[0]).arg(width)
                               : QCoreApplication::translate("TeamNameTable", texts[1])
                                     .arg(GameText::unrepresentable(text));
}

std::optional<QByteArray> fieldBytes(const QString& text, int width, QString* refusal) {
    const auto bytes = GameText::encodeField(text, width);
    if (!bytes)
        *refusal = refusalFor(Field::Unnamed, text, width);
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
        *error = refusalFor(Field::TeamName, name, nameSlotWidth);
        return std::nullopt;
    }
    if (!shortName)
        return patches;
    const auto shortPatches =
        shortNamePatches(nameOffset, shortName->entryOffset, shortName->text, &refusal);
    if (!shortPatches) {
        *error = refusalFor(Field::ShortName, shortName->text, shortNameWidth);
        return std::nullopt;
    }
    patches->insert(patches->end(), shortPatches->begin(), shortPatches->end());
    return patches;
}

} // namespace TeamNameTable
