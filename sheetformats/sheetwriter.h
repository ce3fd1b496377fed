#pragma once

#include <QString>

// Where a sheet kind (players, teams, rosters) writes its rows, whatever the file format: text
// cells and number cells, row by row, the header row first.
class SheetWriter {
public:
    virtual ~SheetWriter() = default;

    virtual void text(const QString& text) = 0;
    virtual void number(qint64 number) = 0;
    virtual void endRow() = 0;
};
