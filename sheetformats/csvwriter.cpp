#include "sheetformats/csvwriter.h"

#include "sheetformats/csvtextcell.h"

#include <charconv>

namespace {

// A cell is quoted when a reader could take it apart or trim it otherwise: it holds a
// delimiter (either kind), a quote or a line break, or begins or ends with a blank.
bool needsQuotes(QByteArrayView utf8) {
    if (utf8.isEmpty())
        return false;
    if (utf8.front() == ' ' || utf8.back() == ' ' || utf8.front() == '\t' || utf8.back() == '\t')
        return true;
    for (const char c : utf8)
        if (c == ',' || c == ';' || c == '\t' || c == '"' || c == '\r' || c == '\n')
            return true;
    return false;
}

} // namespace

CsvWriter::CsvWriter(qsizetype expectedSize) : m_text("\xEF\xBB\xBF") {
    m_text.reserve(expectedSize);
}

void CsvWriter::separate() {
    if (m_rowStarted)
        m_text.append(',');
    m_rowStarted = true;
}

void CsvWriter::text(const QString& text) {
    separate();
    const QByteArray utf8 = text.toUtf8();
    if (CsvTextCell::needsProtection(utf8))
        quoted(CsvTextCell::protect(utf8));
    else
        quotedIfNeeded(utf8);
}

void CsvWriter::quotedIfNeeded(QByteArrayView utf8) {
    if (needsQuotes(utf8))
        quoted(utf8);
    else
        m_text.append(utf8);
}

// A spreadsheet program that splits cells at tabs and semicolons too (as LibreOffice Calc does
// by default) keeps a quoted cell whole.
void CsvWriter::quoted(QByteArrayView utf8) {
    m_text.append('"');
    for (const char c : utf8) {
        if (c == '"')
            m_text.append('"');
        m_text.append(c);
    }
    m_text.append('"');
}

void CsvWriter::number(qint64 number) {
    separate();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    m_text.append(digits, end - digits);
}

void CsvWriter::endRow() {
    m_text.append("\r\n");
    m_rowStarted = false;
}
