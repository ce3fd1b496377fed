#include "sheetformats/csvreader.h"

#include "sheetformats/csvtextcell.h"
#include "sheetformats/sheettext.h"

#include <QCoreApplication>

#include <csv.h>

#include <cstring>

namespace {

constexpr char delimiters[] = {',', ';', '\t'};

// The delimiter is the one that the first row uses most often outside quotes; a tie, as in a
// sheet of one column, reads as a comma.
char delimiterOf(QByteArrayView text) {
    int counts[std::size(delimiters)] = {};
    bool quoted = false;
    while (text.startsWith('\r') || text.startsWith('\n'))
        text = text.sliced(1); // blank rows before the first
    for (const char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\r' || c == '\n'))
            break;
        for (size_t d = 0; d < std::size(delimiters); ++d)
            counts[d] += !quoted && c == delimiters[d];
    }
    size_t best = 0;
    for (size_t d = 1; d < std::size(delimiters); ++d)
        if (counts[d] > counts[best])
            best = d;
    return delimiters[best];
}

// Blanks in a cell are part of its text: a name may begin or end with one.
int noBlanksTrimmed(unsigned char) {
    return 0;
}

// Receives libcsv's callbacks and files cells and rows into the table.
struct CsvTableBuilder {
    SheetTable& table;
    int rowNumber = 0; // of the row being read
    int lastEnd = 0;   // the character that ended the previous report

    void cell(const char* bytes, size_t size) {
        table.addCell(CsvTextCell::unprotect(QByteArrayView(bytes, qsizetype(size))));
    }

    void rowEnd(int end) {
        // Every carriage return and line feed is reported; the line feed of a CRLF pair ends
        // nothing more than its carriage return did.
        const bool secondHalfOfCrLf = table.cellsInRow() == 0 && end == '\n' && lastEnd == '\r';
        lastEnd = end;
        if (secondHalfOfCrLf)
            return;
        table.endRow(++rowNumber);
    }

    static void onCell(void* bytes, size_t size, void* builder) {
        static_cast<CsvTableBuilder*>(builder)->cell(static_cast<const char*>(bytes), size);
    }
    static void onRowEnd(int end, void* builder) {
        static_cast<CsvTableBuilder*>(builder)->rowEnd(end);
    }
};

} // namespace

namespace CsvReader {

SheetTable parse(QByteArrayView bytes) {
    SheetTable table;
    const SheetText::Decoded decoded = SheetText::decode(bytes);
    if (!decoded.error.isEmpty()) {
        table.fail(decoded.error);
        return table;
    }
    if (!decoded.note.isEmpty())
        table.addNote(decoded.note);
    const QByteArrayView text = decoded.utf8;
    table.reserve(text.size());

    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL) != 0) {
        table.fail(
            QCoreApplication::translate("CsvReader", "row 1: the CSV reader could not be started"));
        return table;
    }
    csv_set_delim(&parser, static_cast<unsigned char>(delimiterOf(text)));
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
                ? (parsed
                       ? QCoreApplication::translate("CsvReader", "a quoted cell is not closed")
                       : QCoreApplication::translate(
                             "CsvReader", "a quote in the wrong place (a quoted cell starts and "
                                          "ends with a quote, and a quote inside it is doubled)"))
                : QString::fromLatin1(csv_strerror(error));
        table.fail(QCoreApplication::translate("CsvReader", "row %1: %2")
                       .arg(builder.rowNumber + 1)
                       .arg(what));
    }
    return table;
}

} // namespace CsvReader
