#include "sheetformats/sheetfile.h"

#include "sheetformats/csvreader.h"
#include "sheetformats/csvwriter.h"
#include "sheetformats/xlsxreader.h"
#include "sheetformats/xlsxsheetwriter.h"

#include <QCoreApplication>

namespace SheetFile {

SheetFormat formatOf(const QString& path) {
    return path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive) ? SheetFormat::Xlsx
                                                                       : SheetFormat::Csv;
}

QString fileName(const QString& base, SheetFormat format) {
    return base + (format == SheetFormat::Xlsx ? QStringLiteral(".xlsx") : QStringLiteral(".csv"));
}

SheetTable read(const QString& path, QByteArrayView bytes) {
    return formatOf(path) == SheetFormat::Xlsx ? XlsxReader::read(bytes) : CsvReader::parse(bytes);
}

std::optional<QByteArray> write(SheetFormat format, const QString& base,
                                const std::function<bool(SheetWriter&)>& fill, QString* error) {
    const QString refused = QCoreApplication::translate(
        "SheetFile", "the game file is too short to be written as a sheet");
    if (format == SheetFormat::Csv) {
        CsvWriter out;
        if (fill(out))
            return out.take();
        *error = refused;
        return std::nullopt;
    }
    XlsxSheetWriter out(base);
    if (fill(out))
        return out.finish(error);
    *error = refused;
    return std::nullopt;
}

} // namespace SheetFile
