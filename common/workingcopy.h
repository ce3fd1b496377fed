#pragma once

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>

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
class WorkingCopy {
public:
    explicit WorkingCopy(QString path);

    static QString pathForGameFile(const QString& gameFile);
    static QString compressedPathForGameFile(const QString& gameFile);

    const QString& path() const { return m_path; }

    // Size of the file, or -1 when it does not exist.
    qint64 size() const;

    // Exactly `size` bytes from `offset`; empty when the file is missing or ends before.
    std::optional<QByteArray> read(qint64 offset, qint64 size) const;
    // What the file holds now where each patch would write, through one open: patches of the same
    // offsets and sizes. Empty when the file is missing or ends before one of them.
    std::optional<std::vector<Patch>> readUnder(const std::vector<Patch>& patches) const;

    // Writes every patch through one open, after checking that all of them lie inside the file;
    // when one does not, nothing at all is written. `replaced`, when given, receives what each
    // patch replaced.
    bool write(const std::vector<Patch>& patches, std::vector<Patch>* replaced = nullptr);
    bool write(qint64 offset, const QByteArray& bytes) { return write({Patch{offset, bytes}}); }

    // Writes the patches into an open device that holds the whole file. When a write fails
    // halfway, the bytes written so far are put back as they were; only when that fails too does
    // the message say exactly which bytes hold new data. True when every patch was written.
    static bool writePatches(QIODevice& device, const std::vector<Patch>& patches, QString* error,
                             std::vector<Patch>* replaced = nullptr);

    // The same writes as `patches` in their order, as patches that do not overlap, in the order of
    // their offsets: where two overlap, the later one's bytes hold, as writing them in turn leaves
    // them. Empty patches go. Patches like these can be put back by writing what they replaced.
    static std::vector<Patch> merged(const std::vector<Patch>& patches);

    // Why the last read or write failed, in words for a message box.
    QString errorString() const { return m_error; }

private:
    // Opens the file to read it, or says why not in the error string.
    bool openForReading(QFile& file) const;

    QString m_path;
    mutable QString m_error;
};
