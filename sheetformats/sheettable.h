#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

// A sheet as read from a file, whatever its format (CSV in any encoding, an .xlsx workbook): rows
// of cells, each cell its text in UTF-8. A reader that meets a cell it cannot take as text or a
// whole number (a fraction, a date, an error) keeps the cell empty and files a problem naming it,
// which the header turns into a refusal naming the column.
class SheetTable {
public:
    struct Row {
        int number = 0; // as a spreadsheet numbers rows: the first row is 1
        qsizetype firstCell = 0;
        int cellCount = 0;
    };
    struct CellProblem {
        int row = 0;  // the row's number
        int cell = 0; // 0 for the first column
        QString why;
    };

    // Empty when the sheet could be read; otherwise what is wrong with it as a whole, and no rows.
    const QString& error() const { return m_error; }
    // What a reader did that the user should know of (an encoding it took the sheet to be in).
    const QStringList& notes() const { return m_notes; }
    const std::vector<Row>& rows() const { return m_rows; }
    const std::vector<CellProblem>& problems() const { return m_problems; }
    QByteArrayView cell(const Row& row, int column) const {
        const qsizetype i = row.firstCell + column;
        return QByteArrayView(m_cells).sliced(m_bounds[size_t(i)],
                                              m_bounds[size_t(i) + 1] - m_bounds[size_t(i)]);
    }

    // Building, for the readers: cells are added left to right, then their row is ended. A row
    // whose cells are all empty (and have no problem) is left out; its number stays taken.
    void reserve(qsizetype bytes) { m_cells.reserve(bytes); }
    void addCell(QByteArrayView utf8);
    void endRow(int number);
    int cellsInRow() const { return m_cellsInRow; }
    void addProblem(int row, int cell, const QString& why);
    void addNote(const QString& note) { m_notes << note; }
    // Refuses the sheet as a whole: the rows read so far are dropped.
    void fail(const QString& error);

    // "A" for the first column, "AB" for the 28th: how spreadsheet programs name columns.
    static QString columnLetters(int cell);

private:
    QByteArray m_cells;                 // the bytes of every cell, one after the other
    std::vector<qsizetype> m_bounds{0}; // cell i is m_cells[m_bounds[i], m_bounds[i + 1])
    std::vector<Row> m_rows;
    std::vector<CellProblem> m_problems;
    QStringList m_notes;
    QString m_error;
    int m_cellsInRow = 0;
    bool m_rowHasText = false;
    bool m_rowHasProblem = false;
};
