#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Text cells of a CSV sheet that a spreadsheet program would not keep as the text they are: a
// formula ("=SUM(A1)", and in Excel "+…", "-…", "@…"), a number ("007", "1e5", a 20-digit
// number), a date or time ("3/4", "12:30", "5-Jan"), a truth value ("TRUE"). They are written
// behind an apostrophe, '007, always in quotes: LibreOffice Calc (with its default import
// settings or when it evaluates formulas) and Excel keep such a cell as the text it is, the
// apostrophe included, and save it back unchanged, however often the sheet is opened and saved.
// The reader takes one leading apostrophe off every cell, so a text that begins with one is
// written behind a second. Cells are UTF-8.
namespace CsvTextCell {

bool needsProtection(QByteArrayView text);

// 'text
QByteArray protect(QByteArrayView text);

// The cell without one leading apostrophe.
QByteArrayView unprotect(QByteArrayView cell);

// A text cell of a workbook that a spreadsheet program made from such a CSV sheet holds the
// apostrophe as text: it goes when what follows it is a text that protect() would have marked.
// A text that merely begins with an apostrophe ("'t Hart") keeps it.
QByteArrayView withoutCarriedMark(QByteArrayView text);

} // namespace CsvTextCell
