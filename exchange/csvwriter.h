#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Writes a sheet the way spreadsheet programs read it everywhere: UTF-8 with a byte-order mark,
// commas, CRLF line ends, and quotes only around cells that need them.
class CsvWriter {
public:
    explicit CsvWriter(qsizetype expectedSize = 0);

    void cell(QByteArrayView utf8);
    void cell(const QString& text) { cell(QByteArrayView(text.toUtf8())); }
    void cell(qint64 number);
    void endRow();

    QByteArray take() { return std::move(m_text); }

private:
    void separate();

    QByteArray m_text;
    bool m_rowStarted = false;
};
