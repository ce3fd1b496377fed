#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <functional>
#include <optional>

// Files read or replaced as a whole: game files by the codec tool and the command line, saved
// game files and spreadsheets by the editor.
namespace WholeFile {

// Far above any game file or sheet; a larger file is refused before it is read.
constexpr qint64 maxSize = 128LL * 1024 * 1024;

// The whole file; empty, with "<path>: <why>" in `error`, when it is missing, no regular file,
// larger than maxSize or cannot be read.
std::optional<QByteArray> read(const QString& path, QString* error);

// The temporary file of a replacement is written in stretches of this many bytes.
constexpr qint64 stretchSize = 64 * 1024;

// Replaces the file with `bytes` in one atomic step (a temporary file beside it, renamed into
// place), so that nobody ever sees it half-written. False, with the reason in `error`, when it
// cannot; the file is then as it was. `stretchWritten`, when given, is called after each stretch
// of the temporary file has been written.
bool replace(const QString& path, const QByteArray& bytes, QString* error,
             const std::function<void()>& stretchWritten = {});

// The same, for a program without a window to keep answering: while Windows refuses the rename
// because the file is open elsewhere for a moment (a virus scanner reading a file just written,
// the editor's second decompress run replacing the same working copy), it tries again for up to
// `patienceMs`.
bool replacePatiently(const QString& path, const QByteArray& bytes, int patienceMs, QString* error);

// What a file device said of a failed write, taken at once after the failing call. Qt says
// "Unknown error" where the system has a reason (a full disk, for one), so the system's own words
// are kept too.
struct WriteFailure {
    QFileDevice::FileError code = QFileDevice::NoError;
    QString qtWords;
    QString systemWords;

    static WriteFailure of(const QFileDevice& file);
    // Why writing `needed` bytes into `path` failed: when the folder's disk has less room than
    // that, it says so. Asked once the temporary file is gone, so that its bytes count as free.
    QString reason(const QString& path, qint64 needed) const;
};

} // namespace WholeFile
