#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// Values in the cells of an imported sheet, read strictly: a cell that is not exactly a value is
// refused rather than guessed at.
namespace CellValue {

// A whole number with an optional sign; blanks around it are allowed, nothing else.
std::optional<qint64> wholeNumber(QByteArrayView cell);

// The cell's text; empty when its bytes are not valid UTF-8.
std::optional<QString> text(QByteArrayView cell);

// The refusals that go with them.
QString notWholeNumber();
QString notUtf8();

} // namespace CellValue
