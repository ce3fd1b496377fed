#include "playertable/pasteplan.h"

#include "exchange/playercells.h"
#include "exchange/playercolumns.h"
#include "exchange/playersheet.h"
#include "playertable/playertabledata.h"
#include "playertable/tablecolumns.h"

namespace PastePlan {

namespace {

QStringList cellsOf(const QString& line) {
    QString trimmed = line;
    if (trimmed.endsWith(u'\r'))
        trimmed.chop(1);
    return trimmed.split(u'\t');
}

// The table columns the header line names, or nothing when it is no header.
std::optional<QList<int>> headerColumns(const QStringList& cells) {
    QList<int> columns;
    for (const QString& cell : cells) {
        const int column = TableColumns::find(cell.trimmed());
        if (column < 0)
            return std::nullopt;
        columns << column;
    }
    return columns;
}

} // namespace

Plan plan(const PlayerTableData& data, const QString& text, const Grid& grid) {
    Plan result;
    QStringList lines = text.split(u'\n');
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast(); // the line end after the last row
    if (lines.isEmpty()) {
        result.refusals << QStringLiteral("There is nothing to paste.");
        return result;
    }
    QList<int> columns;
    if (const auto named = headerColumns(cellsOf(lines.first()))) {
        columns = *named;
        lines.removeFirst();
    } else {
        columns = grid.columns.mid(grid.column);
    }
    const qsizetype rowsLeft = qsizetype(grid.records.size()) - grid.row;
    if (lines.size() > rowsLeft) {
        result.refusals << QStringLiteral("The paste has %1 rows, but the grid shows %2 from the "
                                          "row it starts at.")
                               .arg(lines.size())
                               .arg(rowsLeft);
        return result;
    }
    SheetErrors refused;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int row = grid.row + int(i);
        const int record = grid.records[size_t(row)];
        const QString where = QStringLiteral("row %1 (record %2)").arg(row + 1).arg(record);
        const QStringList cells = cellsOf(lines[i]);
        if (cells.size() > columns.size()) {
            refused.add(QStringLiteral("%1: the paste has %2 cells, and %3 columns are shown "
                                       "from the column it starts at.")
                            .arg(where)
                            .arg(cells.size())
                            .arg(columns.size()));
            continue;
        }
        std::vector<PlayerCells::Cell> edits;
        for (qsizetype k = 0; k < cells.size(); ++k) {
            const TableColumns::Column& column = TableColumns::all().at(size_t(columns[k]));
            ++result.cells;
            if (column.editable) {
                edits.push_back({column.sheetColumn, cells[k]});
                continue;
            }
            // A column the grid does not edit, as copied: it says the row is the right one.
            if (cells[k].trimmed() != data.text(record, columns[k]))
                refused.add(QStringLiteral("%1, column %2: the grid shows %3 here, not %4; the "
                                           "column is not edited.")
                                .arg(where, column.name, data.text(record, columns[k]),
                                     cells[k].trimmed()));
        }
        const PlayerCells::Result planned = PlayerCells::plan(data.database(), record, edits);
        for (const PlayerRowEdit::Refusal& why : planned.refused) {
            if (why.column < 0)
                refused.add(QStringLiteral("%1: %2").arg(where, why.why));
            else
                refused.add(
                    QStringLiteral("%1, column %2: %3")
                        .arg(where, PlayerColumns::all().at(size_t(why.column)).name, why.why));
        }
        if (planned.ok())
            PlayerSheet::addRecord(result.import, record, data.player(record), planned.edit,
                                   data.database());
    }
    result.refusals = refused.lines();
    if (!result.ok())
        result.import = ImportPlan{};
    return result;
}

} // namespace PastePlan
