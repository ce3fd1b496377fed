#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

// A spreadsheet saved as CSV, split into rows and cells by libcsv. Cells stay the bytes the file
// holds (UTF-8 for the sheets this editor reads); the caller decodes the ones it needs.
class CsvTable {
public:
    struct Row {
        int number = 0; // as a spreadsheet numbers rows: the first row is 1
        qsizetype firstCell = 0;
        int cellCount = 0;
    };

    // Reads text with or without a UTF-8 byte-order mark. The delimiter, a comma or a semicolon,
    // is told from the first row. Quoted cells may hold delimiters, doubled quotes and line
    // breaks. Blank rows, and rows whose cells are all empty, are left out but keep their number.
    static CsvTable parse(QByteArrayView text);

    // Empty when the text is well-formed; otherwise "row R: what is wrong" and no rows.
    const QString& error() const { return m_error; }
    char delimiter() const { return m_delimiter; }
    const std::vector<Row>& rows() const { return m_rows; }
    QByteArrayView cell(const Row& row, int column) const {
        const qsizetype i = row.firstCell + column;
        return QByteArrayView(m_cells).sliced(m_bounds[i], m_bounds[i + 1] - m_bounds[i]);
    }

private:
    friend struct CsvTableBuilder;

    QByteArray m_cells;              // the bytes of every cell, one after the other
    std::vector<qsizetype> m_bounds; // cell i is m_cells[m_bounds[i], m_bounds[i + 1])
    std::vector<Row> m_rows;
    char m_delimiter = ',';
    QString m_error;
};
