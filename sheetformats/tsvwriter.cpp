#include "sheetformats/tsvwriter.h"

void TsvWriter::separate() {
    if (m_rowStarted)
        m_text += u'\t';
    m_rowStarted = true;
}

void TsvWriter::text(const QString& text) {
    separate();
    for (const QChar c : text)
        m_text += c == u'\t' || c == u'\n' || c == u'\r' ? QChar(u' ') : c;
}

void TsvWriter::number(qint64 number) {
    separate();
    m_text += QString::number(number);
}

void TsvWriter::endRow() {
    m_text += u'\n';
    m_rowStarted = false;
}
