#include "sheetformats/cellvalue.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <charconv>

namespace CellValue {

std::optional<qint64> wholeNumber(QByteArrayView cell) {
    const QByteArrayView trimmed = cell.trimmed();
    const char* begin = trimmed.data();
    const char* end = begin + trimmed.size();
    if (begin != end && *begin == '+') {
        ++begin; // from_chars takes a minus sign only
        if (begin != end && *begin == '-')
            return std::nullopt; // one sign at most
    }
    qint64 value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (begin == end || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

std::optional<QString> text(QByteArrayView cell) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString result = decoder.decode(cell);
    if (decoder.hasError())
        return std::nullopt;
    return result;
}

QString notWholeNumber() {
    return QCoreApplication::translate("CellValue", "enter a whole number.");
}

QString notUtf8() {
    return QCoreApplication::translate("CellValue",
                                       "the text is not UTF-8; save the sheet as UTF-8 CSV.");
}

} // namespace CellValue
