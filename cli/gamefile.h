#pragma once

#include "common/workingcopy.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A game file as the command line reads and replaces it: either a compressed game file (a
// container, decompressed in memory) or a working copy, whose name ends in ".unzlib" and which is
// read and written as it is.
struct GameFile {
    QString path;
    QByteArray stored; // the file's own bytes
    QByteArray bytes;  // decompressed: what the editor's rules work on
    bool workingCopy = false;

    static std::optional<GameFile> read(const QString& path, QString* error);

    // Why the decompressed bytes are no game file of the kind `problemOf` checks, after the
    // file's path; empty when they are one.
    QString problem(QString (*problemOf)(QByteArrayView)) const;

    // The file's new content for `newBytes`: the bytes themselves for a working copy, compressed
    // again for a container (and checked to decompress to exactly `newBytes`).
    std::optional<QByteArray> contentFor(const QByteArray& newBytes, QString* error) const;

    // The decompressed bytes with the patches written over them, in their order.
    QByteArray patched(const std::vector<Patch>& patches) const;
};

// Packs the bytes into a container of the form `original` has (its eight header bytes, byte
// order and padding), so that the game reads the replaced file as it read the original.
QByteArray packLike(const QByteArray& original, const QByteArray& bytes);

// Replaces each file with its content, each in one atomic step (a temporary file beside it,
// renamed into place). Every content is written out before the first file is replaced, so a
// failure while writing leaves all the files as they were. When a file cannot be replaced, those
// replaced before it are put back where their former content is given; `error` then says, file
// by file, what each holds.
struct Replacement {
    QString path;
    QByteArray content;
    std::optional<QByteArray> original; // the file's content before; empty: not kept
};
bool replaceFiles(const std::vector<Replacement>& replacements, QString* error);

// The same for game files, one after another, each backed up first (common/backups.h): a backup
// that cannot be made stops the replacement of its file as a failed rename would. `backups` gets
// each file's new backup, in order (empty for a file that did not exist).
bool replaceGameFiles(const std::vector<Replacement>& replacements, QStringList* backups,
                      QString* error);

// A game file read before and its new decompressed bytes.
struct GameFileUpdate {
    const GameFile* file;
    QByteArray bytes;
};

// Replaces each file with its new bytes in the file's own form (GameFile::contentFor) through
// replaceGameFiles; when a content cannot be made, no file is touched. `written` gets a line per
// file: "wrote PATH", with " (the file as it was: BACKUP)" when a backup was made.
bool writeGameFiles(const std::vector<GameFileUpdate>& updates, QStringList* written,
                    QString* error);
