#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A game file's decompressed bytes, read whole into memory: a compressed game file (decompressed
// here, with nothing written beside it) or a working copy, whose name ends in ".unzlib" and which
// is taken as it is. `stored`, when given, gets the file's own bytes.
namespace GameFileBytes {

bool isWorkingCopy(const QString& path);
std::optional<QByteArray> read(const QString& path, QString* error, QByteArray* stored = nullptr);

} // namespace GameFileBytes
