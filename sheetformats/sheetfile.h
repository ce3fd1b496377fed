#pragma once

#include "sheetformats/sheettable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

class SheetWriter;

// The file formats a sheet is exchanged in, told apart by the file's extension.
enum class SheetFormat { Csv, Xlsx };

namespace SheetFile {

// .xlsx, in any letter case, is a workbook; everything else is read as CSV.
SheetFormat formatOf(const QString& path);
// "players" becomes "players.csv" or "players.xlsx".
QString fileName(const QString& base, SheetFormat format);

// The sheet in the file named `path`, whose bytes are `bytes`, read by its format.
SheetTable read(const QString& path, QByteArrayView bytes);

// A sheet of `format` whose rows `fill` writes (the worksheet of a workbook is called `base`).
// Nothing, with the reason in `error`, when `fill` returns false or the file cannot be made.
std::optional<QByteArray> write(SheetFormat format, const QString& base,
                                const std::function<bool(SheetWriter&)>& fill, QString* error);

} // namespace SheetFile
