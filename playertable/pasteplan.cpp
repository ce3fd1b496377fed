#include "playertable/pasteplan.h"

#include "exchange/playercells.h"
#include "exchange/playercolumns.h"
#include "exchange/playersheet.h"
#include "playertable/playertabledata.h"
#include "playertable/tablecolumns.h"

#include <QCoreApplication>

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
        result.refusals << QCoreApplication::translate("PastePlan", "There is nothing to paste.");
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
        result.refusals << QCoreApplication::translate("PastePlan",
                                                       "The paste has %1 rows, but the grid shows "
                                                       "%2 from the row it starts at.")
                               .arg(lines.size())
                               .arg(rowsLeft);
        return result;
    }
    SheetErrors refused;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int row = grid.row + int(i);
        const int record = grid.records[size_t(row)];
        const QString shownRow = QString::number(row + 1);
        const QString shownRecord = QString::number(record);
        const QStringList cells = cellsOf(lines[i]);
        if (cells.size() > columns.size()) {
            refused.add(QCoreApplication::translate("PastePlan",
                                                    "row %1 (record %2): the paste has %3 cells, "
                                                    "and %4 columns are shown from the column it "
                                                    "starts at.")
                            .arg(shownRow, shownRecord, QString::number(cells.size()),
                                 QString::number(columns.size())));
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
                //: %3 is a column name of the player table ("index").
                refused.add(QCoreApplication::translate("PastePlan",
                                                        "row %1 (record %2), column %3: the grid "
                                                        "shows %4 here, not %5; the column is not "
                                                        "edited.")
                                .arg(shownRow, shownRecord, column.name,
                                     data.text(record, columns[k]), cells[k].trimmed()));
        }
        const PlayerCells::Result planned = PlayerCells::plan(data.database(), record, edits);
        for (const PlayerRowEdit::Refusal& why : planned.refused) {
            if (why.column < 0) {
                //: %3 says why the row's cells are refused.
                refused.add(QCoreApplication::translate("PastePlan", "row %1 (record %2): %3")
                                .arg(shownRow, shownRecord, why.why));
                continue;
            }
            const QString& name = PlayerColumns::all().at(size_t(why.column)).name;
            //: %3 is a column name of the player table ("speed"), %4 says why its cell is refused.
            refused.add(
                QCoreApplication::translate("PastePlan", "row %1 (record %2), column %3: %4")
                    .arg(shownRow, shownRecord, name, why.why));
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
