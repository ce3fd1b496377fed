#include "cli/gamefile.h"

#include "codec/container.h"
#include "common/backups.h"
#include "common/wholefile.h"
#include "exchange/gamefilebytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QStringList>

#include <memory>

std::optional<GameFile> GameFile::read(const QString& path, QString* error) {
    GameFile file;
    file.path = path;
    file.workingCopy = GameFileBytes::isWorkingCopy(path);
    auto bytes = GameFileBytes::read(path, error, &file.stored);
    if (!bytes)
        return std::nullopt;
    file.bytes = std::move(*bytes);
    return file;
}

QString GameFile::problem(QString (*problemOf)(QByteArrayView)) const {
    const QString problem = problemOf(bytes);
    return problem.isEmpty() ? problem : path + QStringLiteral(": ") + problem;
}

std::optional<QByteArray> GameFile::contentFor(const QByteArray& newBytes, QString* error) const {
    if (workingCopy)
        return newBytes;
    const QByteArray packed = packLike(stored, newBytes);
    // The game must be able to read what replaces its file.
    const Container::Result check = Container::decompress(packed);
    if (packed.isEmpty() || !check.ok() || check.bytes != newBytes) {
        *error = QCoreApplication::translate(
                     "GameFile", "%1: compressing the changed file failed%2; nothing was written")
                     .arg(path, check.ok() ? QString() : QStringLiteral(" (%1)").arg(check.error));
        return std::nullopt;
    }
    return packed;
}

QByteArray GameFile::patched(const std::vector<Patch>& patches) const {
    QByteArray result = bytes;
    for (const Patch& patch : patches)
        result.replace(patch.offset, patch.bytes.size(), patch.bytes);
    return result;
}

QByteArray packLike(const QByteArray& original, const QByteArray& bytes) {
    // A bare zlib stream has no form to keep: it becomes a container of the PC form.
    return Container::compress(bytes, Container::formOf(original).value_or(Container::Form{}))
        .bytes;
}

namespace {

// Puts back the files replaced before the one that failed, where their content was kept, and says
// after `failure` what each holds now. `putBack`, when given, tells for each whether it was.
QString putBackBefore(const std::vector<Replacement>& replacements, size_t failed,
                      const QString& failure, std::vector<bool>* putBack = nullptr) {
    QStringList lines{failure};
    bool changed = false;
    for (size_t j = 0; j < failed; ++j) {
        const Replacement& done = replacements[j];
        QString why;
        // A game file as it was is in its backups already, so putting it back makes no other.
        const bool restored = done.original && WholeFile::replace(done.path, *done.original, &why);
        if (putBack)
            putBack->push_back(restored);
        if (restored) {
            lines
                << QCoreApplication::translate("GameFile", "%1: put back as it was").arg(done.path);
            continue;
        }
        changed = true;
        lines << (done.original ? QCoreApplication::translate(
                                      "GameFile", "%1: replaced already; putting it back "
                                                  "failed: %2")
                                      .arg(done.path, why)
                                : QCoreApplication::translate("GameFile", "%1: replaced already")
                                      .arg(done.path));
    }
    lines << (changed
                  ? QCoreApplication::translate("GameFile", "Every other file was left as it was.")
                  : QCoreApplication::translate("GameFile", "Nothing was changed."));
    return lines.join(u'\n');
}

} // namespace

bool replaceFiles(const std::vector<Replacement>& replacements, QString* error) {
    std::vector<std::unique_ptr<QSaveFile>> files;
    for (const Replacement& replacement : replacements) {
        auto file = std::make_unique<QSaveFile>(replacement.path);
        // Unbuffered: a disk that cannot take the content fails here, before anything is renamed.
        if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
            file->write(replacement.content) != replacement.content.size()) {
            const auto failure = WholeFile::WriteFailure::of(*file);
            file.reset(); // its temporary file goes
            files.clear();
            *error = QCoreApplication::translate("GameFile",
                                                 "%1: cannot be written: %2; nothing was changed")
                         .arg(replacement.path,
                              failure.reason(replacement.path, replacement.content.size()));
            return false;
        }
        files.push_back(std::move(file));
    }
    for (size_t i = 0; i < files.size(); ++i) {
        if (files[i]->commit())
            continue;
        // The files after this one keep their content (their temporary files are discarded).
        const auto failure = WholeFile::WriteFailure::of(*files[i]);
        files.clear(); // the temporary files of this one and those after it go
        *error = putBackBefore(
            replacements, i,
            QCoreApplication::translate("GameFile", "%1: cannot be replaced: %2")
                .arg(replacements[i].path,
                     failure.reason(replacements[i].path, replacements[i].content.size())));
        return false;
    }
    return true;
}

bool replaceGameFiles(const std::vector<Replacement>& replacements, QStringList* backups,
                      QString* error) {
    std::vector<Backups::Kept> kept;
    for (size_t i = 0; i < replacements.size(); ++i) {
        const Replacement& replacement = replacements[i];
        QString why;
        Backups::Kept backup;
        if (!Backups::replaceGameFile(replacement.path, replacement.content, &why, &backup)) {
            std::vector<bool> putBack;
            *error =
                putBackBefore(replacements, i,
                              QCoreApplication::translate("GameFile", "%1: cannot be replaced: %2")
                                  .arg(replacement.path, why),
                              &putBack);
            // A file put back as it was needs no backup of the refused replacement; one that
            // could not be put back keeps it.
            for (size_t j = 0; j < kept.size(); ++j) {
                if (putBack[j])
                    Backups::takeBack(kept[j]);
                else
                    Backups::keep(kept[j]);
            }
            return false;
        }
        kept.push_back(backup);
    }
    for (const Backups::Kept& backup : kept) {
        Backups::keep(backup);
        backups->append(backup.path);
    }
    return true;
}

bool writeGameFiles(const std::vector<GameFileUpdate>& updates, QStringList* written,
                    QString* error) {
    std::vector<Replacement> replacements;
    for (const GameFileUpdate& update : updates) {
        const auto content = update.file->contentFor(update.bytes, error);
        if (!content)
            return false;
        replacements.push_back({update.file->path, *content, update.file->stored});
    }
    QStringList backups;
    if (!replaceGameFiles(replacements, &backups, error))
        return false;
    for (qsizetype i = 0; i < backups.size(); ++i) {
        const QString& path = replacements[size_t(i)].path;
        written->append(backups[i].isEmpty()
                            ? QStringLiteral("wrote %1").arg(path)
                            : QStringLiteral("wrote %1 (the file as it was: %2)")
                                  .arg(path, QDir::toNativeSeparators(backups[i])));
    }
    return true;
}
