#include "exchange/databasediff.h"

#include "common/gametext.h"
#include "exchange/bytechanges.h"
#include "exchange/importplan.h"
#include "exchange/playercolumns.h"
#include "exchange/playersheet.h"
#include "exchange/squadchangelines.h"
#include "exchange/teamsheet.h"
#include "player/playerrecord.h"
#include "player/shownplayer.h"
#include "teamnames/teamnametable.h"

#include <QtEndian>

#include <limits>
#include <map>

namespace DatabaseDiff {

namespace {

QString bytesField(qint64 first, qint64 size) {
    return size == 1 ? QStringLiteral("byte %1").arg(first)
                     : QStringLiteral("bytes %1-%2").arg(first).arg(first + size - 1);
}

// Lines kept by record (players) or list position (teams), so that each record's field lines
// and byte lines come out together; bytes outside every record come before the records or after
// them, as they lie in the file.
class Lines {
public:
    static constexpr int fileStart = -1;
    static constexpr int fileEnd = std::numeric_limits<int>::max();

    void add(int key, const QString& line) { m_byKey[key] << line; }
    void fileBytes(int key, const ByteChanges& bytes, const ByteChanges::Run& run) {
        add(key, changeLine(QStringLiteral("file"), bytesField(run.offset, run.size),
                            bytes.before(run), bytes.after(run)));
    }
    void sizes(qint64 before, qint64 after) {
        if (before != after)
            add(fileEnd, changeLine(QStringLiteral("file"), QStringLiteral("size"),
                                    QString::number(before), QString::number(after)));
    }
    Result result() const {
        Result result;
        for (const auto& [key, lines] : m_byKey) {
            result.lines << lines;
            result.fieldCount += int(lines.size());
            if (key != fileStart && key != fileEnd)
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

QStringList playerRecord(int index, QByteArrayView before, QByteArrayView after) {
    namespace L = PlayerLayout;
    QStringList lines;
    if (before == after)
        return lines;
    const ShownPlayer a = ShownPlayer::ofRecord(before);
    const ShownPlayer b = ShownPlayer::ofRecord(after);
    const QString who = QStringLiteral("%1 %2 %3").arg(index).arg(a.id).arg(a.name);
    ByteChanges bytes(before, after);
    for (const PlayerColumns::Column& column : PlayerColumns::all()) {
        if (column.kind == PlayerColumns::Kind::Index || !PlayerColumns::differs(column, a, b))
            continue;
        lines << changeLine(who, column.name, PlayerColumns::text(column, index, a),
                            PlayerColumns::text(column, index, b));
        PlayerColumns::cover(column, L::nameOffsetInRecord, bytes);
    }
    for (const ByteChanges::Run& run : bytes.uncovered())
        lines << changeLine(who, bytesField(run.offset, run.size), bytes.before(run),
                            bytes.after(run));
    return lines;
}

Result players(QByteArrayView before, QByteArrayView after) {
    namespace L = PlayerLayout;
    for (const QByteArrayView file : {before, after})
        if (const QString problem = PlayerSheet::databaseProblem(file); !problem.isEmpty())
            return Result{{}, 0, 0, problem};
    Lines lines;
    for (int i = 0; i < L::editableRecordCount; ++i) {
        const qint64 start = L::recordStart(i);
        for (const QString& line : playerRecord(i, before.sliced(start, L::recordSize),
                                                after.sliced(start, L::recordSize)))
            lines.add(i, line);
    }
    // The bytes before the first record and after the last; the records under the roster table
    // are the rosters' part.
    ByteChanges bytes(before, after);
    bytes.cover(L::tableStart, L::tableEnd - L::tableStart);
    for (const ByteChanges::Run& run : bytes.uncovered())
        lines.fileBytes(run.offset < L::tableStart ? Lines::fileStart : Lines::fileEnd, bytes, run);
    lines.sizes(before.size(), after.size());
    return lines.result();
}

Result rosters(QByteArrayView before, QByteArrayView after,
               const QHash<qint32, QString>& teamNames) {
    namespace L = PlayerLayout;
    namespace R = RosterLayout;
    for (const QByteArrayView file : {before, after})
        if (const QString problem = PlayerSheet::databaseProblem(file); !problem.isEmpty())
            return Result{{}, 0, 0, problem};
    SquadChangeLines squads(after);
    ByteChanges bytes(before, after);
    QStringList teamIdLines;
    int changedRecords = 0;
    const int records = int((L::tableEnd - R::tableStart) / R::recordSize);
    for (int j = 0; j < records; ++j) {
        const qint64 start = R::recordStart(j);
        if (before.sliced(start, R::recordSize) == after.sliced(start, R::recordSize))
            continue;
        ++changedRecords;
        bytes.cover(start, R::recordSize);
        const qint32 oldId = qFromLittleEndian<qint32>(before.data() + start + R::teamId);
        const qint32 newId = qFromLittleEndian<qint32>(after.data() + start + R::teamId);
        if (oldId != newId)
            teamIdLines << changeLine(QStringLiteral("roster record %1").arg(j),
                                      QStringLiteral("team_id"), QString::number(oldId),
                                      QString::number(newId));
        const QString team = teamNames.value(newId, QStringLiteral("team ID %1").arg(newId));
        squads.compare(team, RosterTable::readSlots(before, start),
                       RosterTable::readSlots(after, start));
    }
    Lines lines;
    for (const QString& line : teamIdLines + squads.lines())
        lines.add(0, line);
    // The bytes under the roster table that no whole record holds.
    const qint64 firstCovered = L::recordStart(L::editableRecordCount);
    bytes.cover(0, firstCovered);
    bytes.cover(L::tableEnd, std::max(before.size(), after.size()) - L::tableEnd);
    for (const ByteChanges::Run& run : bytes.uncovered())
        lines.fileBytes(Lines::fileEnd, bytes, run);
    Result result = lines.result();
    result.recordCount = changedRecords;
    return result;
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
        lines.fileBytes(Lines::fileEnd, bytes, run);
    lines.sizes(before.size(), after.size());
    return lines.result();
}

} // namespace DatabaseDiff
