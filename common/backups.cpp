#include "common/backups.h"

#include "common/samefile.h"
#include "common/wholefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString stampFormat = QStringLiteral("yyyyMMdd-HHmmss");
const QString backupSuffix = QStringLiteral(".bak");

// "<game file name>.<stamp>[-<counter>].bak"; the counter is at most nine digits, so it fits an
// int.
const QRegularExpression
    backupName(QStringLiteral(R"(^(.+)\.(\d{8}-\d{6})(?:-([2-9]|[1-9]\d{1,8}))?\.bak$)"));

struct BackupName {
    QString gameName;
    QString stamp;
    int counter = 1; // the first backup of its second has none

    // The order the backups were made in: the stamp's digits compare as numbers of one width, and
    // the counter as a number ("-10" after "-9", and any counter after none).
    bool operator<(const BackupName& other) const {
        return stamp != other.stamp ? stamp < other.stamp : counter < other.counter;
    }
};

std::optional<BackupName> parse(const QString& fileName) {
    const QRegularExpressionMatch match = backupName.match(fileName);
    if (!match.hasMatch() || !QDateTime::fromString(match.captured(2), stampFormat).isValid())
        return std::nullopt;
    BackupName name{match.captured(1), match.captured(2)};
    if (match.hasCaptured(3))
        name.counter = match.captured(3).toInt();
    return name;
}

QString fileNameOf(const QString& gameName, const QString& stamp, int counter) {
    // Put together, not through arg(), which would read a "%1" in the game file's name.
    const QString counted = counter == 1 ? QString() : u'-' + QString::number(counter);
    return gameName + u'.' + stamp + counted + backupSuffix;
}

QString folderFor(const QFileInfo& gameFile) {
    return QDir(gameFile.absolutePath()).filePath(Backups::folderName);
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

struct Found {
    BackupName name;
    QString path;
};

// The game file's backups, oldest first. Names are compared by the system's rule for capitals, so
// that on Windows "UNNAMED_25.BIN" finds the backups of "unnamed_25.bin".
std::vector<Found> find(const QString& gameFile) {
    const QFileInfo game(gameFile);
    const QDir folder(folderFor(game));
    std::vector<Found> found;
    const QStringList names =
        folder.entryList({QStringLiteral("*") + backupSuffix}, QDir::Files | QDir::Hidden);
    for (const QString& fileName : names) {
        const auto name = parse(fileName);
        if (name && sameFile(QDir(game.absolutePath()).filePath(name->gameName), gameFile))
            found.push_back({*name, folder.filePath(fileName)});
    }
    std::sort(found.begin(), found.end(),
              [](const Found& a, const Found& b) { return a.name < b.name; });
    return found;
}

// Keeps the newest backups and the oldest; the one just made stays whatever its name, so that a
// clock set back cannot remove it at once.
void rotate(const QString& gameFile, const QString& made) {
    const std::vector<Found> backups = find(gameFile);
    const qsizetype excess = qsizetype(backups.size()) - Backups::newestKept - 1;
    for (qsizetype i = 1; i <= excess; ++i) {
        // A backup that cannot be removed only takes room; the replacement goes ahead.
        if (!sameFile(backups[size_t(i)].path, made))
            QFile::remove(backups[size_t(i)].path);
    }
}

// A name for a backup made now, after every backup made before in the same second: a counter
// freed by the rotation is not taken again, since that backup would then sort among the old ones.
QString freePath(const QString& gameFile) {
    const QFileInfo game(gameFile);
    const QDir folder(folderFor(game));
    const QString stamp = QDateTime::currentDateTime().toString(stampFormat);
    int counter = 1;
    for (const Found& backup : find(gameFile))
        if (backup.name.stamp == stamp)
            counter = std::max(counter, backup.name.counter + 1);
    for (;; ++counter) {
        const QString path = folder.filePath(fileNameOf(game.fileName(), stamp, counter));
        if (!QFileInfo::exists(path))
            return path;
    }
}

// Copies the game file into a new backup, unless the newest backup holds its bytes already;
// false with the reason when it cannot. `kept` stays without a path when there is no game file.
bool backUp(const QString& gameFile, Backups::Kept* kept, QString* error) {
    kept->gameFile = gameFile;
    const QFileInfo game(gameFile);
    if (!game.exists() && !game.isSymLink())
        return true; // a new file: nothing to keep
    const QString path = freePath(gameFile);
    const auto refuse = [&](const QString& why) {
        *error = QCoreApplication::translate("Backups", "no backup could be made as %1: %2")
                     .arg(shown(path), why);
        return false;
    };
    QString why;
    const auto bytes = WholeFile::read(gameFile, &why);
    if (!bytes)
        return refuse(why);
    if (const std::vector<Found> existing = find(gameFile); !existing.empty()) {
        const QString& newest = existing.back().path;
        if (QFileInfo(newest).size() == bytes->size() &&
            WholeFile::read(newest, &why).value_or(QByteArray()) == *bytes) {
            kept->path = newest;
            return true;
        }
    }
    const QFileInfo folder(folderFor(game));
    const bool newFolder = !folder.exists();
    if (!newFolder && !folder.isDir())
        return refuse(QCoreApplication::translate("Backups", "%1 is a file, not a folder")
                          .arg(shown(folder.filePath())));
    if (!QDir().mkpath(folder.filePath()))
        return refuse(QCoreApplication::translate("Backups", "the folder %1 cannot be made there")
                          .arg(shown(folder.filePath())));
    if (!WholeFile::replace(path, *bytes, &why)) {
        if (newFolder) // the refused replacement leaves the game folder as it found it
            QDir().rmdir(folder.filePath());
        return refuse(why);
    }
    kept->path = path;
    kept->madeNow = true;
    kept->folderMadeNow = newFolder;
    return true;
}

} // namespace

namespace Backups {

bool replaceGameFile(const QString& gameFile, const QByteArray& bytes, QString* error,
                     QString* backupMade) {
    Kept kept;
    if (!replaceGameFile(gameFile, bytes, error, &kept))
        return false;
    keep(kept);
    if (backupMade)
        *backupMade = kept.path;
    return true;
}

bool replaceGameFile(const QString& gameFile, const QByteArray& bytes, QString* error, Kept* kept) {
    *kept = Kept{};
    if (!backUp(gameFile, kept, error))
        return false;
    if (WholeFile::replace(gameFile, bytes, error))
        return true;
    takeBack(*kept);
    *kept = Kept{};
    return false;
}

void keep(const Kept& kept) {
    if (kept.madeNow)
        rotate(kept.gameFile, kept.path);
}

void takeBack(const Kept& kept) {
    if (!kept.madeNow)
        return;
    QFile::remove(kept.path);
    if (kept.folderMadeNow)
        QDir().rmdir(QFileInfo(kept.path).absolutePath());
}

QString folderOf(const QString& gameFile) {
    return folderFor(QFileInfo(gameFile));
}

std::vector<Backup> list(const QString& gameFile) {
    std::vector<Backup> backups;
    const std::vector<Found> found = find(gameFile);
    for (auto it = found.rbegin(); it != found.rend(); ++it)
        backups.push_back({it->path, QFileInfo(it->path).size(),
                           QDateTime::fromString(it->name.stamp, stampFormat)});
    return backups;
}

std::optional<QString> gameFileOf(const QString& backupPath, QString* error) {
    const QFileInfo backup(backupPath);
    const auto name = parse(backup.fileName());
    if (!name) {
        //: ".yyyyMMdd-HHmmss.bak" is the end of a backup's file name: keep it as it is.
        *error =
            QCoreApplication::translate("Backups", "%1 is not named like a backup (the game file's "
                                                   "name, then .yyyyMMdd-HHmmss.bak).")
                .arg(shown(backupPath));
        return std::nullopt;
    }
    const QString folder = backup.absolutePath();
    const QString gameFolder = QFileInfo(folder).absolutePath();
    if (!sameFile(folder, QDir(gameFolder).filePath(folderName))) {
        *error = QCoreApplication::translate("Backups",
                                             "%1 is not in a folder named %2 beside its game file.")
                     .arg(shown(backupPath), folderName);
        return std::nullopt;
    }
    return QDir(gameFolder).filePath(name->gameName);
}

std::optional<Restored> restore(const QString& backupPath, QString* error) {
    const auto gameFile = gameFileOf(backupPath, error);
    if (!gameFile)
        return std::nullopt;
    QString why;
    const auto bytes = WholeFile::read(backupPath, &why);
    Restored restored{*gameFile, {}};
    if (!bytes || !replaceGameFile(*gameFile, *bytes, &why, &restored.backupMade)) {
        *error =
            QCoreApplication::translate("Backups", "%1 was not put back: %2\n%3 was not changed.")
                .arg(shown(backupPath), why, shown(*gameFile));
        return std::nullopt;
    }
    return restored;
}

} // namespace Backups
