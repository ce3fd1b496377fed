#include "common/wholefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStorageInfo>
#include <QThread>

namespace {

enum class Outcome { Replaced, RenameRefused, Failed };

bool writeInStretches(QSaveFile& file, const QByteArray& bytes,
                      const std::function<void()>& stretchWritten) {
    for (qint64 at = 0; at < bytes.size(); at += WholeFile::stretchSize) {
        const qint64 size = std::min(WholeFile::stretchSize, bytes.size() - at);
        if (file.write(bytes.constData() + at, size) != size)
            return false;
        if (stretchWritten)
            stretchWritten();
    }
    return true;
}

Outcome replaceOnce(const QString& path, const QByteArray& bytes, QString* error,
                    const std::function<void()>& stretchWritten = {}) {
    WholeFile::WriteFailure failure;
    {
        QSaveFile file(path);
        // Unbuffered, so that a write the disk cannot take fails at the write, before the commit.
        if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
            writeInStretches(file, bytes, stretchWritten) && file.commit())
            return Outcome::Replaced;
        failure = WholeFile::WriteFailure::of(file);
    } // the temporary file is gone with its QSaveFile, and so is the room it took
    *error = failure.reason(path, bytes.size());
    if (failure.code != QFileDevice::RenameError || !QFileInfo::exists(path))
        return Outcome::Failed;
    // Windows refuses to replace a file that another program holds open (the game, a virus
    // scanner, another editor), and its own words for that do not say so.
    *error = QCoreApplication::translate(
                 "WholeFile", "%1 (another program may hold the file open: close it and try again)")
                 .arg(*error);
    return Outcome::RenameRefused;
}

} // namespace

namespace WholeFile {

std::optional<QByteArray> read(const QString& path, QString* error) {
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = QCoreApplication::translate("WholeFile", "%1: no such file").arg(shown);
        return std::nullopt;
    }
    if (!info.isFile()) {
        *error = QCoreApplication::translate("WholeFile", "%1: not a regular file").arg(shown);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("WholeFile", "%1: cannot be opened: %2")
                     .arg(shown, file.errorString());
        return std::nullopt;
    }
    if (file.size() > maxSize) {
        *error = QCoreApplication::translate("WholeFile",
                                             "%1: the file is %2 bytes, more than the %3 MiB a "
                                             "game file or sheet may have")
                     .arg(shown)
                     .arg(file.size())
                     .arg(maxSize / (1024 * 1024));
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() != file.size()) {
        *error = QCoreApplication::translate("WholeFile", "%1: cannot be read: %2")
                     .arg(shown, file.errorString());
        return std::nullopt;
    }
    return bytes;
}

WriteFailure WriteFailure::of(const QFileDevice& file) {
    const QString system = qt_error_string(); // first, before anything else can change it
    return {file.error(), file.errorString(), system};
}

QString WriteFailure::reason(const QString& path, qint64 needed) const {
    // A refused rename comes after the whole content was written: space was not what lacked.
    if (code == QFileDevice::RenameError)
        return qtWords;
    const QStorageInfo storage(QFileInfo(path).absolutePath());
    if (storage.isValid() && storage.bytesAvailable() >= 0 && storage.bytesAvailable() < needed)
        return QCoreApplication::translate("WholeFile",
                                           "No space left on device (%1 bytes free, %2 needed)")
            .arg(QLocale::c().toString(storage.bytesAvailable()), QLocale::c().toString(needed));
    // Qt's words for no reason, in English or in the language of Qt's own catalogue (what a file
    // that never failed says).
    if (!qtWords.isEmpty() && qtWords != QLatin1String("Unknown error") &&
        qtWords != QFile().errorString())
        return qtWords;
    return systemWords.isEmpty() ? qtWords : systemWords;
}

bool replace(const QString& path, const QByteArray& bytes, QString* error,
             const std::function<void()>& stretchWritten) {
    return replaceOnce(path, bytes, error, stretchWritten) == Outcome::Replaced;
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
