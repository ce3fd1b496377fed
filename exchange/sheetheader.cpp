#include "exchange/sheetheader.h"

#include "sheetformats/cellvalue.h"

#include <QCoreApplication>

SheetHeader SheetHeader::read(const SheetTable& table, const QStringList& names,
                              const std::vector<int>& required, SheetErrors& errors) {
    SheetHeader header;
    header.m_cellOfColumn.assign(size_t(names.size()), -1);
    if (!table.error().isEmpty()) {
        errors.add(table.error());
        return header;
    }
    if (table.rows().empty()) {
        //: %1 is the name of the sheet's first column, as the sheet must name it
        errors.add(QCoreApplication::translate("SheetHeader",
                                               "row 1: the sheet is empty; it needs a header row "
                                               "naming its columns (%1, …).")
                       .arg(names.first()));
        return header;
    }
    const SheetTable::Row& row = table.rows().front();
    for (int cell = 0; cell < row.cellCount; ++cell) {
        const QString name = CellValue::text(table.cell(row, cell)).value_or(QString()).trimmed();
        const auto found = std::find_if(names.begin(), names.end(), [&](const QString& known) {
            return known.compare(name, Qt::CaseInsensitive) == 0;
        });
        const int column = found == names.end() ? -1 : int(found - names.begin());
        header.m_columnOfCell.push_back(column);
        if (column < 0) {
            errors.add(row.number, name,
                       QCoreApplication::translate("SheetHeader", "unknown column."));
        } else if (header.m_cellOfColumn[size_t(column)] >= 0) {
            errors.add(row.number, name,
                       QCoreApplication::translate("SheetHeader", "the column is named twice."));
        } else {
            header.m_cellOfColumn[size_t(column)] = cell;
        }
    }
    for (const int column : required)
        if (!header.has(column))
            errors.add(row.number,
                       QCoreApplication::translate("SheetHeader",
                                                   "the column %1 is missing; the sheet needs it "
                                                   "to match its rows.")
                           .arg(names.at(column)));
    for (const SheetTable::CellProblem& problem : table.problems()) {
        const int column = problem.row == row.number ? -1 : header.columnOf(problem.cell);
        errors.add(problem.row,
                   column >= 0 ? names.at(column) : SheetTable::columnLetters(problem.cell),
                   problem.why);
    }
    return header;
}

int SheetHeader::columnOf(int cell) const {
    return cell >= 0 && size_t(cell) < m_columnOfCell.size() ? m_columnOfCell[size_t(cell)] : -1;
}

bool SheetHeader::checkCellCount(const SheetTable::Row& row, SheetErrors& errors) const {
    const int expected = int(m_columnOfCell.size());
    if (row.cellCount == expected)
        return true;
    errors.add(row.number,
               QCoreApplication::translate("SheetHeader", "the row has %1 cells, the header %2.")
                   .arg(row.cellCount)
                   .arg(expected));
    return false;
}
