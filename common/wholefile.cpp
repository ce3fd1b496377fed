#include "common/wholefile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

namespace {

enum class Outcome { Replaced, RenameRefused, Failed };

Outcome replaceOnce(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return Outcome::Replaced;
    *error = file.errorString();
    // An uncommitted QSaveFile has discarded its temporary file.
    if (file.error() != QFileDevice::RenameError || !QFileInfo::exists(path))
        return Outcome::Failed;
    // Windows refuses to replace a file that another program holds open (the game, a virus
    // scanner, another editor), and its own words for that do not say so.
    *error += QStringLiteral(" (another program may hold the file open: close it and try again)");
    return Outcome::RenameRefused;
}

} // namespace

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
    return replaceOnce(path, bytes, error) == Outcome::Replaced;
}

bool replacePatiently(const QString& path, const QByteArray& bytes, int patienceMs,
                      QString* error) {
    constexpr int retryMs = 50;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const Outcome outcome = replaceOnce(path, bytes, error);
        if (outcome != Outcome::RenameRefused || clock.elapsed() >= patienceMs)
            return outcome == Outcome::Replaced;
        QThread::msleep(retryMs);
    }
}

} // namespace WholeFile
