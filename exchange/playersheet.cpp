#include "exchange/playersheet.h"

#include "exchange/databasediff.h"
#include "exchange/playercolumns.h"
#include "exchange/playerrowedit.h"
#include "exchange/sheetheader.h"
#include "player/playeredits.h"
#include "player/playerrecord.h"
#include "player/shownplayer.h"
#include "sheetformats/cellvalue.h"
#include "sheetformats/csvreader.h"
#include "sheetformats/csvwriter.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>

namespace PlayerSheet {

namespace {

namespace L = PlayerLayout;
using PlayerColumns::Kind;

constexpr qsizetype typicalRowSize = 220;

struct ChangedRecord {
    int index = 0;
    ShownPlayer shown;
    PlayerRowEdit::Result edit;
};

QString who(int index, const ShownPlayer& player) {
    return QStringLiteral("%1 %2 %3").arg(index).arg(player.id).arg(player.name);
}

// The record a row names by its index and ID, or empty after saying why not.
std::optional<int> recordOfRow(const SheetTable& table, const SheetTable::Row& row,
                               const SheetHeader& header, std::vector<int>& rowOfRecord,
                               QByteArrayView database, SheetErrors& errors) {
    const int indexColumn = PlayerColumns::columnOf(Kind::Index);
    const auto index = CellValue::wholeNumber(table.cell(row, header.cellOf(indexColumn)));
    if (!index || *index < 0 || *index >= L::recordCount) {
        errors.add(row.number, QStringLiteral("index"),
                   QCoreApplication::translate("PlayerSheet", "enter a record index from 0 to %1.")
                       .arg(L::recordCount - 1));
        return std::nullopt;
    }
    const int i = int(*index);
    if (i >= L::editableRecordCount) {
        errors.add(row.number, QStringLiteral("index"), PlayerEdits::rosterTableMessage());
        return std::nullopt;
    }
    if (rowOfRecord[i] != 0) {
        errors.add(row.number, QStringLiteral("index"),
                   QCoreApplication::translate("PlayerSheet", "record %1 is on row %2 already.")
                       .arg(i)
                       .arg(rowOfRecord[i]));
        return std::nullopt;
    }
    rowOfRecord[i] = row.number;
    const qint32 id = qFromLittleEndian<qint32>(database.data() + L::nameOffset(i) + L::playerId);
    const auto cellId =
        CellValue::wholeNumber(table.cell(row, header.cellOf(PlayerColumns::columnOf(Kind::Id))));
    if (!cellId || *cellId != id) {
        errors.add(row.number, QStringLiteral("id"),
                   QCoreApplication::translate("PlayerSheet",
                                               "the ID of record %1 is %2; the row belongs to "
                                               "another player or the sheet to another database.")
                       .arg(i)
                       .arg(id));
        return std::nullopt;
    }
    return i;
}

} // namespace

void addRecord(ImportPlan& plan, int index, const ShownPlayer& shown,
               const PlayerRowEdit::Result& edit, QByteArrayView database, bool listChanges) {
    const QByteArrayView before = database.sliced(L::recordStart(index), L::recordSize);
    if (listChanges) {
        const QStringList changes = DatabaseDiff::playerRecord(index, before, edit.record);
        plan.changes << changes;
        plan.fieldCount += int(changes.size());
        plan.recordCount += changes.isEmpty() ? 0 : 1;
    } else if (before != QByteArrayView(edit.record)) {
        ++plan.recordCount;
    }
    for (const QString& note : edit.notes)
        plan.notes << who(index, shown) + QStringLiteral(": ") + note;
    for (const Patch& patch : edit.patches)
        // A byte written as it is stored changes nothing, so it is left out.
        if (database.sliced(patch.offset, patch.bytes.size()) != QByteArrayView(patch.bytes))
            plan.patches.push_back(patch);
}

QString databaseProblem(QByteArrayView database) {
    if (database.size() >= L::tableEnd)
        return {};
    return QCoreApplication::translate("PlayerSheet",
                                       "The player database is too short: it has %1 bytes, but "
                                       "its %2 player records end at byte %3.")
        .arg(database.size())
        .arg(L::recordCount)
        .arg(L::tableEnd);
}

bool write(QByteArrayView database, SheetWriter& out) {
    if (!databaseProblem(database).isEmpty())
        return false;
    const auto& columns = PlayerColumns::all();
    for (const PlayerColumns::Column& column : columns)
        out.text(column.name);
    out.endRow();
    for (int i = 0; i < L::editableRecordCount; ++i) {
        const ShownPlayer player = ShownPlayer::at(database, i);
        for (const PlayerColumns::Column& column : columns)
            PlayerColumns::write(out, column, i, player);
        out.endRow();
    }
    return true;
}

QByteArray write(QByteArrayView database) {
    CsvWriter out(typicalRowSize * (L::editableRecordCount + 1));
    return write(database, out) ? out.take() : QByteArray();
}

ImportPlan plan(QByteArrayView database, QByteArrayView csv) {
    return plan(database, CsvReader::parse(csv));
}

ImportPlan plan(QByteArrayView database, const SheetTable& table) {
    SheetErrors errors;
    if (const QString problem = databaseProblem(database); !problem.isEmpty()) {
        errors.add(problem);
        return refusedPlan(errors);
    }
    const auto& columns = PlayerColumns::all();
    const SheetHeader header = SheetHeader::read(
        table, PlayerColumns::names(),
        {PlayerColumns::columnOf(Kind::Index), PlayerColumns::columnOf(Kind::Id)}, errors);
    if (errors.count() > 0)
        return refusedPlan(errors);

    std::vector<int> rowOfRecord(L::recordCount, 0);
    std::vector<ChangedRecord> changed;
    for (size_t r = 1; r < table.rows().size(); ++r) {
        const SheetTable::Row& row = table.rows()[r];
        if (!header.checkCellCount(row, errors))
            continue;
        const auto index = recordOfRow(table, row, header, rowOfRecord, database, errors);
        if (!index)
            continue;
        const ShownPlayer shown = ShownPlayer::at(database, *index);
        ShownPlayer wanted = shown;
        bool readable = true;
        bool differs = false;
        for (int cell = 0; cell < row.cellCount; ++cell) {
            const int c = header.columnOf(cell);
            const QString refusal = PlayerColumns::read(columns[c], table.cell(row, cell), wanted);
            if (!refusal.isEmpty()) {
                errors.add(row.number, columns[c].name, refusal);
                readable = false;
            }
            differs = differs || PlayerColumns::differs(columns[c], shown, wanted);
        }
        if (!differs)
            continue;
        // Written even when a cell could not be read, so that the refusal names every cell of
        // the row the write rules refuse too (a cell that could not be read asks for no change).
        PlayerRowEdit::Result edit =
            PlayerRowEdit::apply(database.sliced(L::recordStart(*index), L::recordSize),
                                 L::nameOffset(*index), shown, std::move(wanted));
        for (const PlayerRowEdit::Refusal& refusal : edit.refusals)
            errors.add(row.number, columns[refusal.column].name, refusal.why);
        if (readable && edit.ok())
            changed.push_back({*index, shown, std::move(edit)});
    }
    if (errors.count() > 0)
        return refusedPlan(errors);

    ImportPlan plan;
    plan.notes = table.notes();
    std::sort(changed.begin(), changed.end(),
              [](const ChangedRecord& a, const ChangedRecord& b) { return a.index < b.index; });
    for (const ChangedRecord& record : changed)
        addRecord(plan, record.index, record.shown, record.edit, database);
    return plan;
}

} // namespace PlayerSheet
