#include "exchange/databasediff.h"

#include "common/gametext.h"
#include "exchange/bytechanges.h"
#include "exchange/importplan.h"
#include "exchange/playercolumns.h"
#include "exchange/playersheet.h"
#include "exchange/teamsheet.h"
#include "player/playerrecord.h"
#include "player/shownplayer.h"
#include "teamnames/teamnametable.h"

#include <map>

namespace DatabaseDiff {

namespace {

QString bytesField(qint64 first, qint64 size) {
    return size == 1 ? QStringLiteral("byte %1").arg(first)
                     : QStringLiteral("bytes %1-%2").arg(first).arg(first + size - 1);
}

// Lines kept by record (players) or list position (teams), so that each record's field lines
// and byte lines come out together; key -1 is the file outside every record.
class Lines {
public:
    void add(int key, const QString& line) { m_byKey[key] << line; }
    void fileBytes(const ByteChanges& bytes, const ByteChanges::Run& run) {
        add(-1, changeLine(QStringLiteral("file"), bytesField(run.offset, run.size),
                           bytes.before(run), bytes.after(run)));
    }
    void sizes(qint64 before, qint64 after) {
        if (before != after)
            add(-1, changeLine(QStringLiteral("file"), QStringLiteral("size"),
                               QString::number(before), QString::number(after)));
    }
    Result result() const {
        Result result;
        for (const auto& [key, lines] : m_byKey) {
            result.lines << lines;
            result.fieldCount += int(lines.size());
            if (key >= 0)
                ++result.recordCount;
        }
        return result;
    }

private:
    std::map<int, QStringList> m_byKey;
};

QString teamWho(const TeamNameLists& lists, int p) {
    const QString id = p < lists.teamIds.size() ? lists.teamIds.at(p) : QStringLiteral("-");
    return QStringLiteral("%1 %2 %3").arg(p).arg(id, lists.names.value(p));
}

QString nameEntryShortName(QByteArrayView file, const TeamNameLists& lists, int p) {
    if (p >= lists.nameOffsets.size())
        return {};
    const qint64 at = lists.nameOffsets.at(p).toLongLong() + TeamNameLayout::renamedShortName;
    if (at + TeamNameLayout::shortNameWidth > file.size())
        return {};
    return GameText::decode(file.sliced(at, TeamNameLayout::shortNameWidth));
}

} // namespace

Result players(QByteArrayView before, QByteArrayView after) {
    namespace L = PlayerLayout;
    for (const QByteArrayView file : {before, after})
        if (const QString problem = PlayerSheet::databaseProblem(file); !problem.isEmpty())
            return Result{{}, 0, 0, problem};
    ByteChanges bytes(before, after);
    Lines lines;
    const auto& columns = PlayerColumns::all();
    for (int i = 0; i < L::recordCount; ++i) {
        const qint64 start = L::recordStart(i);
        if (before.sliced(start, L::recordSize) == after.sliced(start, L::recordSize))
            continue;
        const ShownPlayer a = ShownPlayer::at(before, i);
        const ShownPlayer b = ShownPlayer::at(after, i);
        const QString who = QStringLiteral("%1 %2 %3").arg(i).arg(a.id).arg(a.name);
        for (const PlayerColumns::Column& column : columns) {
            if (column.kind == PlayerColumns::Kind::Index || !PlayerColumns::differs(column, a, b))
                continue;
            lines.add(i, changeLine(who, column.name, PlayerColumns::text(column, i, a),
                                    PlayerColumns::text(column, i, b)));
            PlayerColumns::cover(column, L::nameOffset(i), bytes);
        }
    }
    for (const ByteChanges::Run& run : bytes.uncovered(L::tableStart, L::recordSize)) {
        if (run.offset < L::tableStart || run.offset >= L::tableEnd) {
            lines.fileBytes(bytes, run);
            continue;
        }
        const int i = int((run.offset - L::tableStart) / L::recordSize);
        const ShownPlayer a = ShownPlayer::at(before, i);
        lines.add(i, changeLine(QStringLiteral("%1 %2 %3").arg(i).arg(a.id).arg(a.name),
                                bytesField(run.offset - L::recordStart(i), run.size),
                                bytes.before(run), bytes.after(run)));
    }
    lines.sizes(before.size(), after.size());
    return lines.result();
}

Result teams(QByteArrayView before, QByteArrayView after) {
    using namespace TeamNameLayout;
    for (const QByteArrayView file : {before, after})
        if (const QString problem = TeamSheet::teamFileProblem(file); !problem.isEmpty())
            return Result{{}, 0, 0, problem};
    const TeamNameLists a = TeamNameTable::decode(before);
    const TeamNameLists b = TeamNameTable::decode(after);
    ByteChanges bytes(before, after);
    Lines lines;
    const qsizetype count = std::max(a.names.size(), b.names.size());
    for (int p = 0; p < count; ++p) {
        const QString who = teamWho(p < a.names.size() ? a : b, p);
        const auto field = [&](const QString& name, const QString& old, const QString& now) {
            if (old != now)
                lines.add(p, changeLine(who, name, old, now));
            return old != now;
        };
        if (field(QStringLiteral("name"), a.names.value(p), b.names.value(p)))
            for (const TeamNameLists* lists : {&a, &b})
                if (p < lists->nameOffsets.size())
                    for (const int slot : renamedSlots)
                        bytes.cover(lists->nameOffsets.at(p).toLongLong() + slot * nameSlotWidth,
                                    nameSlotWidth);
        const bool shortName =
            field(QStringLiteral("short_name"), a.shortNames.value(p), b.shortNames.value(p));
        const bool teamId =
            field(QStringLiteral("team_id"), a.teamIds.value(p), b.teamIds.value(p));
        for (const TeamNameLists* lists : {&a, &b}) {
            if (p >= lists->shortEntryOffsets.size())
                continue;
            if (shortName)
                bytes.cover(lists->shortEntryOffsets.at(p), shortNameWidth);
            if (teamId)
                bytes.cover(lists->shortEntryOffsets.at(p) + teamIdInShortEntry, 2);
        }
        if (field(QStringLiteral("name_entry_short_name"), nameEntryShortName(before, a, p),
                  nameEntryShortName(after, b, p)))
            for (const TeamNameLists* lists : {&a, &b})
                if (p < lists->nameOffsets.size())
                    bytes.cover(lists->nameOffsets.at(p).toLongLong() + renamedShortName,
                                shortNameWidth);
    }
    for (const ByteChanges::Run& run : bytes.uncovered())
        lines.fileBytes(bytes, run);
    lines.sizes(before.size(), after.size());
    return lines.result();
}

} // namespace DatabaseDiff
