#pragma once

#include "sheetformats/sheetwriter.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Writes a sheet the way spreadsheet programs read it everywhere: UTF-8 with a byte-order mark,
// commas, CRLF line ends, and quotes only around cells that need them. A text that a spreadsheet
// program would take for a formula, number, date or time is written as "'text" (CsvTextCell).
class CsvWriter : public SheetWriter {
public:
    explicit CsvWriter(qsizetype expectedSize = 0);

    void text(const QString& text) override;
    void number(qint64 number) override;
    void endRow() override;

    QByteArray take() { return std::move(m_text); }

private:
    void separate();
    void quotedIfNeeded(QByteArrayView utf8);
    void quoted(QByteArrayView utf8);

    QByteArray m_text;
    bool m_rowStarted = false;
};
