#pragma once

#include "exchange/importplan.h"
#include "sheetformats/sheettable.h"

#include <QStringList>

#include <vector>

// The header row of an imported sheet: which of the sheet's columns each cell stands under.
class SheetHeader {
public:
    // Reads row 1 against the column names of the sheet's kind (letter case and blanks around a
    // name aside). Says in `errors` when the sheet could not be read or holds no rows, when a
    // name is unknown or given twice, when a required column is missing, and names every cell
    // the reader could not take (a date, a fraction, an error).
    static SheetHeader read(const SheetTable& table, const QStringList& names,
                            const std::vector<int>& required, SheetErrors& errors);

    int columnOf(int cell) const; // -1: past the header, or under an unknown name
    int cellOf(int column) const { return m_cellOfColumn[size_t(column)]; } // -1: not there
    bool has(int column) const { return cellOf(column) >= 0; }

    // Whether the row has as many cells as the header; says so in `errors` when not.
    bool checkCellCount(const SheetTable::Row& row, SheetErrors& errors) const;

private:
    std::vector<int> m_columnOfCell;
    std::vector<int> m_cellOfColumn;
};
