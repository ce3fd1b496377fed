#include "exchange/csvreader.h"

#include <csv.h>

#include <cstring>

namespace {

constexpr char byteOrderMark[] = "\xEF\xBB\xBF";

// The delimiter is the one of comma and semicolon that the first row uses more often outside
// quotes; a tie, as in a sheet of one column, reads as a comma.
char delimiterOf(QByteArrayView text) {
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    while (text.startsWith('\r') || text.startsWith('\n'))
        text = text.sliced(1); // blank rows before the first
    for (const char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\r' || c == '\n'))
            break;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == ';')
            ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

// Blanks in a cell are part of its text: a name may begin or end with one.
int noBlanksTrimmed(unsigned char) {
    return 0;
}

} // namespace

// Receives libcsv's callbacks and files cells and rows into the table.
struct CsvTableBuilder {
    CsvTable& table;
    int rowNumber = 0; // of the row being read
    int cellsInRow = 0;
    bool rowHasText = false;
    int lastEnd = 0;    // the character that ended the previous report
    int rowWithNul = 0; // the first row with a NUL byte in a cell; 0 while there is none

    void cell(const char* bytes, size_t size) {
        if (rowWithNul == 0 && size > 0 && std::memchr(bytes, '\0', size) != nullptr)
            rowWithNul = rowNumber + 1;
        table.m_cells.append(bytes, qsizetype(size));
        table.m_bounds.push_back(table.m_cells.size());
        ++cellsInRow;
        rowHasText = rowHasText || size > 0;
    }

    void rowEnd(int end) {
        // Every carriage return and line feed is reported; the line feed of a CRLF pair ends
        // nothing more than its carriage return did.
        const bool secondHalfOfCrLf = cellsInRow == 0 && end == '\n' && lastEnd == '\r';
        lastEnd = end;
        if (secondHalfOfCrLf)
            return;
        ++rowNumber;
        const qsizetype firstCell = qsizetype(table.m_bounds.size()) - 1 - cellsInRow;
        if (rowHasText) {
            table.m_rows.push_back({rowNumber, firstCell, cellsInRow});
        } else {
            // A blank row: its cells are dropped, its number stays taken.
            table.m_bounds.resize(firstCell + 1);
            table.m_cells.truncate(table.m_bounds.back());
        }
        cellsInRow = 0;
        rowHasText = false;
    }

    static void onCell(void* bytes, size_t size, void* builder) {
        static_cast<CsvTableBuilder*>(builder)->cell(static_cast<const char*>(bytes), size);
    }
    static void onRowEnd(int end, void* builder) {
        static_cast<CsvTableBuilder*>(builder)->rowEnd(end);
    }
};

CsvTable CsvTable::parse(QByteArrayView text) {
    CsvTable table;
    if (text.startsWith("\xFF\xFE") || text.startsWith("\xFE\xFF")) {
        table.m_error = QStringLiteral("row 1: the sheet is saved as UTF-16 text; save it as CSV "
                                       "in UTF-8.");
        return table;
    }
    if (text.startsWith(byteOrderMark))
        text = text.sliced(3);
    table.m_delimiter = delimiterOf(text);
    table.m_bounds.push_back(0);

    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL) != 0) {
        table.m_error = QStringLiteral("row 1: the CSV reader could not be started");
        return table;
    }
    csv_set_delim(&parser, static_cast<unsigned char>(table.m_delimiter));
    csv_set_space_func(&parser, noBlanksTrimmed);

    CsvTableBuilder builder{table};
    const size_t size = size_t(text.size());
    const bool parsed = csv_parse(&parser, text.data(), size, CsvTableBuilder::onCell,
                                  CsvTableBuilder::onRowEnd, &builder) == size;
    const bool finished =
        parsed &&
        csv_fini(&parser, CsvTableBuilder::onCell, CsvTableBuilder::onRowEnd, &builder) == 0 &&
        csv_error(&parser) == CSV_SUCCESS;
    const int error = csv_error(&parser);
    csv_free(&parser);
    if (!finished) {
        const QString what =
            error == CSV_EPARSE
                ? (parsed ? QStringLiteral("a quoted cell is not closed")
                          : QStringLiteral("a quote in the wrong place (a quoted cell starts and "
                                           "ends with a quote, and a quote inside it is doubled)"))
                : QString::fromLatin1(csv_strerror(error));
        table.m_error = QStringLiteral("row %1: %2").arg(builder.rowNumber + 1).arg(what);
    } else if (builder.rowWithNul > 0) {
        // No text holds a NUL byte; a sheet saved as UTF-16 without its mark holds many.
        table.m_error = QStringLiteral("row %1: a cell holds a NUL byte, which is no text; save "
                                       "the sheet as CSV in UTF-8.")
                            .arg(builder.rowWithNul);
    }
    if (!table.m_error.isEmpty()) {
        table.m_rows.clear();
        table.m_cells.clear();
        table.m_bounds.assign(1, 0);
    }
    return table;
}
