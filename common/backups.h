#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

// The game file as it was before each replacement, kept in a folder `backups` beside it as
// "<game file name>.<yyyyMMdd-HHmmss>.bak" (local time; "-2", "-3" … before ".bak" when that name
// is taken). Of one game file's backups the newest ones stay, and the oldest, which holds the file
// as it was before the first replacement.
namespace Backups {

inline constexpr int newestKept = 10;
inline const QString folderName = QStringLiteral("backups");

// Backs the game file up, then replaces it with `bytes` in one atomic step. False, with the
// reason in `error` (without the game file's path, which the caller names), when either cannot be
// done; the game file is then exactly as it was, and no backup is left of the refused
// replacement. A backup that cannot be made stops the replacement, and its reason names the
// backup's path. The file is not backed up twice: when the newest backup holds its bytes already,
// that one stands for it. `backupMade` gets the path of the backup that holds the file as it was,
// or stays empty when there was no game file to back up.
bool replaceGameFile(const QString& gameFile, const QByteArray& bytes, QString* error,
                     QString* backupMade = nullptr);

// The backup that holds a game file as it was before a replacement, and whether that replacement
// made it (it did not when the newest backup held the same bytes already).
struct Kept {
    QString gameFile;
    QString path; // empty when there was no game file to back up
    bool madeNow = false;
    bool folderMadeNow = false;
};

// The steps of replaceGameFile for a caller that replaces several files as one: each file is
// backed up and replaced, and only once all of them were, each backup is kept (the old ones beyond
// the number kept go then); when a later file fails and the earlier ones are put back, their
// backups are taken back, so that a refused replacement leaves none.
bool replaceGameFile(const QString& gameFile, const QByteArray& bytes, QString* error, Kept* kept);
void keep(const Kept& kept);
void takeBack(const Kept& kept);

struct Backup {
    QString path;
    qint64 size = 0;
    QDateTime time; // as the name gives it
};

// The folder that holds the game file's backups.
QString folderOf(const QString& gameFile);

// The game file's backups, newest first.
std::vector<Backup> list(const QString& gameFile);

// The game file whose backup `backupPath` is: the folder above `backups`, the name without its
// time and counter. Empty, with the reason in `error`, for a file that is not named like a backup
// or not in a `backups` folder.
std::optional<QString> gameFileOf(const QString& backupPath, QString* error);

struct Restored {
    QString gameFile;
    QString backupMade; // the game file as it was before; empty when there was none
};

// Puts the backup in place of its game file, backing the game file up first as every replacement
// does. Empty, with a complete message in `error`, when it is refused or fails; the game file is
// then as it was.
std::optional<Restored> restore(const QString& backupPath, QString* error);

} // namespace Backups
