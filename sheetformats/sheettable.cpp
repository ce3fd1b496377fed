#include "sheetformats/sheettable.h"

void SheetTable::addCell(QByteArrayView utf8) {
    m_cells.append(utf8);
    m_bounds.push_back(m_cells.size());
    ++m_cellsInRow;
    m_rowHasText = m_rowHasText || !utf8.isEmpty();
}

void SheetTable::endRow(int number) {
    const qsizetype firstCell = qsizetype(m_bounds.size()) - 1 - m_cellsInRow;
    if (m_rowHasText || m_rowHasProblem) {
        m_rows.push_back({number, firstCell, m_cellsInRow});
    } else {
        m_bounds.resize(size_t(firstCell) + 1);
        m_cells.truncate(m_bounds.back());
    }
    m_cellsInRow = 0;
    m_rowHasText = false;
    m_rowHasProblem = false;
}

void SheetTable::addProblem(int row, int cell, const QString& why) {
    m_problems.push_back({row, cell, why});
    m_rowHasProblem = true;
}

void SheetTable::fail(const QString& error) {
    m_error = error;
    m_rows.clear();
    m_problems.clear();
    m_cells.clear();
    m_bounds.assign(1, 0);
    m_cellsInRow = 0;
    m_rowHasText = false;
    m_rowHasProblem = false;
}

QString SheetTable::columnLetters(int cell) {
    QString letters;
    for (int n = cell + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}
