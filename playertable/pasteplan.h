#pragma once

#include "exchange/importplan.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

class PlayerTableData;

// Cells pasted into the player table as a spreadsheet program copies them (tab-separated, one
// line per row), written into the grid's rows and columns from the cell the paste starts at: row
// by row down the rows the grid shows, column by column across the columns it shows. A first line
// that names columns (as Ctrl+C writes one) says which column each pasted column goes to. Each
// record's cells are written as a sheet import of them writes them; one refused cell, and nothing
// is written. The columns the grid does not edit may be pasted with the values they show.
namespace PastePlan {

struct Grid {
    std::vector<int> records; // the records of the rows shown, in their order
    QList<int> columns;       // the table columns shown, in their order
    int row = 0;              // where the paste starts: a position in `records`
    int column = 0;           // and one in `columns`
};

struct Plan {
    ImportPlan import; // the patches and the changes as the import lists them
    int cells = 0;     // pasted cells, the header's aside
    QStringList refusals;
    bool ok() const { return refusals.isEmpty(); }
};

Plan plan(const PlayerTableData& data, const QString& text, const Grid& grid);

} // namespace PastePlan
