#pragma once

#include "sheetformats/sheettable.h"

#include <QByteArrayView>

// A spreadsheet saved as CSV, split into rows and cells by libcsv.
namespace CsvReader {

// Takes the text in any encoding SheetText reads. The delimiter, a comma, a semicolon or a tab,
// is told from the first row. Quoted cells may hold delimiters, doubled quotes and line breaks.
// A cell written as 'text (how the export keeps texts that a spreadsheet would take for a
// number, date or formula) reads as the text. Blank rows, and rows whose cells are all empty,
// are left out but keep their number.
SheetTable parse(QByteArrayView bytes);

} // namespace CsvReader
