#pragma once

#include "sheetformats/sheettable.h"

#include <QByteArrayView>

// The first worksheet of an .xlsx workbook as a sheet of texts. Text cells (shared or inline
// strings, a formula's text result) read as their text (without the apostrophe a CSV sheet's
// protected text carries into a workbook made from it); a number cell holding a whole number
// (70, 70.0) as that number; a truth value as 1 or 0. A fraction, a date or time, an error cell
// and a formula whose result the workbook does not store are refused, each naming its cell.
namespace XlsxReader {

SheetTable read(QByteArrayView bytes);

} // namespace XlsxReader
