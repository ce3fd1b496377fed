#include "common/wholefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace WholeFile {

std::optional<QByteArray> read(const QString& path, QString* error) {
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = QStringLiteral("%1: no such file").arg(path);
        return std::nullopt;
    }
    if (!info.isFile()) {
        *error = QStringLiteral("%1: not a regular file").arg(path);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: cannot be opened: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    if (file.size() > maxSize) {
        *error = QStringLiteral("%1: the file is %2 bytes, more than the %3 MiB a game file or "
                                "sheet may have")
                     .arg(path)
                     .arg(file.size())
                     .arg(maxSize / (1024 * 1024));
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() != file.size()) {
        *error = QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return bytes;
}

bool replace(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *error = file.errorString();
    // Windows refuses to replace a file that another program holds open (the game, a virus
    // scanner, another editor), and its own words for that do not say so.
    if (file.error() == QFileDevice::RenameError && QFileInfo::exists(path))
        *error += QStringLiteral(" (another program may hold the file open: close it and try "
                                 "again)");
    return false; // an uncommitted QSaveFile discards its temporary file
}

} // namespace WholeFile
