#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// Bytes to be written at one offset of a working copy.
struct Patch {
    qint64 offset = 0;
    QByteArray bytes;
};

// The decompressed form of a game file, kept beside it with ".unzlib" appended. Every operation
// opens the file, reads or writes at fixed offsets and closes it again before returning, so no
// file stays open between user actions. Nothing here creates a missing file or makes a file
// longer: the game's layout is fixed, and a short file means the codec did not finish.
//
// A write replaces the file whole: the file with the patches written into it goes to a temporary
// file beside it, which is renamed into place once complete. Whatever stops the program (a kill,
// a crash, a full disk), the file holds everything it held before the write or everything after.
class WorkingCopy {
public:
    explicit WorkingCopy(QString path);

    static QString pathForGameFile(const QString& gameFile);
    static QString compressedPathForGameFile(const QString& gameFile);

    const QString& path() const { return m_path; }
    // The path as messages show it, with the system's separators.
    QString shownPath() const;

    // Size of the file, or -1 when it does not exist.
    qint64 size() const;

    // Exactly `size` bytes from `offset`; empty when the file is missing or ends before.
    std::optional<QByteArray> read(qint64 offset, qint64 size) const;
    // What the file holds now where each patch would write, through one open: patches of the same
    // offsets and sizes. Empty when the file is missing or ends before one of them.
    std::optional<std::vector<Patch>> readUnder(const std::vector<Patch>& patches) const;

    // Writes every patch in one replacement of the file, after checking that all of them lie
    // inside it; when one does not, or the new file cannot be written whole, nothing at all is
    // written. `replaced`, when given, receives what each patch replaced.
    bool write(const std::vector<Patch>& patches, std::vector<Patch>* replaced = nullptr);
    bool write(qint64 offset, const QByteArray& bytes) { return write({Patch{offset, bytes}}); }

    // Called after each stretch of a write's new file has been written (WholeFile::replace),
    // before the file is put in place: a test stops the program there.
    void setStretchWritten(std::function<void()> stretchWritten) {
        m_stretchWritten = std::move(stretchWritten);
    }

    // The same writes as `patches` in their order, as patches that do not overlap, in the order of
    // their offsets: where two overlap, the later one's bytes hold, as writing them in turn leaves
    // them. Empty patches go. Patches like these can be put back by writing what they replaced.
    static std::vector<Patch> merged(const std::vector<Patch>& patches);

    // Why the last read or write failed, in words for a message box.
    QString errorString() const { return m_error; }

private:
    // Opens the file to read it, or says why not in the error string.
    bool openForReading(QFile& file) const;
    // Puts `bytes` in place of the file in one step, or says why not in the error string.
    bool replaceWhole(const QByteArray& bytes);

    QString m_path;
    mutable QString m_error;
    std::function<void()> m_stretchWritten;
};
