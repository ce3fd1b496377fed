#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Files read or replaced as a whole: game files by the codec tool and the command line, saved
// game files and spreadsheets by the editor.
namespace WholeFile {

// Far above any game file or sheet; a larger file is refused before it is read.
constexpr qint64 maxSize = 128LL * 1024 * 1024;

// The whole file; empty, with "<path>: <why>" in `error`, when it is missing, no regular file,
// larger than maxSize or cannot be read.
std::optional<QByteArray> read(const QString& path, QString* error);

// Replaces the file with `bytes` in one atomic step (a temporary file beside it, renamed into
// place), so that nobody ever sees it half-written. False, with the reason in `error`, when it
// cannot; the file is then as it was.
bool replace(const QString& path, const QByteArray& bytes, QString* error);

// The same, for a program without a window to keep answering: while Windows refuses the rename
// because the file is open elsewhere for a moment (a virus scanner reading a file just written,
// the editor's second decompress run replacing the same working copy), it tries again for up to
// `patienceMs`.
bool replacePatiently(const QString& path, const QByteArray& bytes, int patienceMs, QString* error);

} // namespace WholeFile
