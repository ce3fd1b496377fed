#include "exchange/gamefilebytes.h"

#include "codec/container.h"
#include "common/wholefile.h"

#include <QCoreApplication>
#include <QDir>

namespace GameFileBytes {

bool isWorkingCopy(const QString& path) {
    return path.endsWith(QStringLiteral(".unzlib"));
}

std::optional<QByteArray> read(const QString& path, QString* error, QByteArray* stored) {
    auto bytes = WholeFile::read(path, error);
    if (!bytes)
        return std::nullopt;
    if (stored)
        *stored = *bytes;
    if (isWorkingCopy(path))
        return bytes;
    Container::Result unpacked = Container::decompress(*bytes);
    if (!unpacked.ok()) {
        //: %1 is the file, %2 why the codec cannot read it; ".unzlib" ends a file name
        *error = QCoreApplication::translate("GameFileBytes",
                                             "%1: not a game file the codec can read (%2); a "
                                             "working copy must end in .unzlib")
                     .arg(QDir::toNativeSeparators(path), unpacked.error);
        return std::nullopt;
    }
    return std::move(unpacked.bytes);
}

} // namespace GameFileBytes
