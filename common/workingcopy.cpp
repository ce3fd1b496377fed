#include "common/workingcopy.h"

#include "common/wholefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

WorkingCopy::WorkingCopy(QString path) : m_path(std::move(path)) {}

QString WorkingCopy::shownPath() const {
    return QDir::toNativeSeparators(m_path);
}

QString WorkingCopy::pathForGameFile(const QString& gameFile) {
    return gameFile + QStringLiteral(".unzlib");
}

QString WorkingCopy::compressedPathForGameFile(const QString& gameFile) {
    return gameFile + QStringLiteral(".unzlib.zlib");
}

qint64 WorkingCopy::size() const {
    const QFileInfo info(m_path);
    return info.exists() && info.isFile() ? info.size() : -1;
}

bool WorkingCopy::openForReading(QFile& file) const {
    m_error.clear();
    if (file.open(QIODevice::ReadOnly | QIODevice::ExistingOnly))
        return true;
    m_error = QCoreApplication::translate("WorkingCopy", "The working copy %1 cannot be opened: %2")
                  .arg(shownPath(), file.errorString());
    return false;
}

std::optional<QByteArray> WorkingCopy::read(qint64 offset, qint64 size) const {
    QFile file(m_path);
    if (!openForReading(file))
        return std::nullopt;
    if (offset < 0 || size < 0 || file.size() < offset + size) {
        m_error = QCoreApplication::translate(
                      "WorkingCopy", "The working copy %1 is too short: it has %2 bytes, but %3 "
                                     "are needed. Wait until the codec has finished, or open the "
                                     "game file again.")
                      .arg(shownPath())
                      .arg(file.size())
                      .arg(offset + size);
        return std::nullopt;
    }
    if (!file.seek(offset)) {
        m_error = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.read(size);
    if (bytes.size() != size) {
        m_error =
            QCoreApplication::translate("WorkingCopy", "Reading the working copy %1 failed: %2")
                .arg(shownPath(), file.errorString());
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::vector<Patch>> WorkingCopy::readUnder(const std::vector<Patch>& patches) const {
    QFile file(m_path);
    if (!openForReading(file))
        return std::nullopt;
    std::vector<Patch> under;
    under.reserve(patches.size());
    for (const Patch& patch : patches) {
        QByteArray bytes;
        if (patch.offset >= 0 && patch.offset + patch.bytes.size() <= file.size() &&
            file.seek(patch.offset))
            bytes = file.read(patch.bytes.size());
        if (bytes.size() != patch.bytes.size()) {
            m_error =
                QCoreApplication::translate(
                    "WorkingCopy", "The working copy %1 has %2 bytes and cannot be read up to "
                                   "byte %3.")
                    .arg(shownPath())
                    .arg(file.size())
                    .arg(patch.offset + patch.bytes.size());
            return std::nullopt;
        }
        under.push_back({patch.offset, std::move(bytes)});
    }
    return under;
}

std::vector<Patch> WorkingCopy::merged(const std::vector<Patch>& patches) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < patches.size(); ++i)
        if (!patches[i].bytes.isEmpty())
            order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return patches[a].offset < patches[b].offset;
    });
    std::vector<Patch> result;
    for (std::size_t first = 0; first < order.size();) {
        // A run of patches that overlap one another covers one stretch of bytes without a gap.
        qint64 end = patches[order[first]].offset + patches[order[first]].bytes.size();
        std::size_t last = first + 1;
        while (last < order.size() && patches[order[last]].offset < end) {
            end = std::max(end, patches[order[last]].offset + patches[order[last]].bytes.size());
            ++last;
        }
        const qint64 start = patches[order[first]].offset;
        QByteArray bytes(end - start, '\0');
        std::vector<std::size_t> run(order.begin() + qsizetype(first),
                                     order.begin() + qsizetype(last));
        std::sort(run.begin(), run.end()); // in the order they were given: later ones win
        for (const std::size_t i : run)
            bytes.replace(patches[i].offset - start, patches[i].bytes.size(), patches[i].bytes);
        result.push_back({start, std::move(bytes)});
        first = last;
    }
    return result;
}

bool WorkingCopy::write(const std::vector<Patch>& patches, std::vector<Patch>* replaced) {
    m_error.clear();
    qint64 end = 0;
    for (const Patch& patch : patches) {
        if (patch.offset < 0) {
            m_error = QCoreApplication::translate("WorkingCopy",
                                                  "Refusing to write before the start of %1.")
                          .arg(shownPath());
            return false;
        }
        end = std::max(end, patch.offset + patch.bytes.size());
    }
    QFile file(m_path);
    // ExistingOnly: a missing working copy must never be created empty.
    if (!file.open(QIODevice::ReadOnly | QIODevice::ExistingOnly)) {
        m_error = QCoreApplication::translate(
                      "WorkingCopy", "The working copy %1 cannot be opened for writing: %2")
                      .arg(shownPath(), file.errorString());
        return false;
    }
    QByteArray bytes = file.readAll();
    if (bytes.size() != file.size()) {
        m_error =
            QCoreApplication::translate("WorkingCopy", "Reading the working copy %1 failed: %2")
                .arg(shownPath(), file.errorString());
        return false;
    }
    file.close();
    if (bytes.size() < end) {
        m_error = QCoreApplication::translate(
                      "WorkingCopy", "The working copy %1 is too short: it has %2 bytes, but the "
                                     "change reaches byte %3. Nothing was written.")
                      .arg(shownPath())
                      .arg(bytes.size())
                      .arg(end);
        return false;
    }
    std::vector<Patch> before;
    before.reserve(patches.size());
    for (const Patch& patch : patches) {
        before.push_back({patch.offset, bytes.mid(patch.offset, patch.bytes.size())});
        bytes.replace(patch.offset, patch.bytes.size(), patch.bytes);
    }
    if (!replaceWhole(bytes))
        return false;
    if (replaced)
        *replaced = std::move(before);
    return true;
}

bool WorkingCopy::replaceWhole(const QByteArray& bytes) {
    QString why;
    if (WholeFile::replace(m_path, bytes, &why, m_stretchWritten))
        return true;
    m_error =
        QCoreApplication::translate(
            "WorkingCopy", "Writing the working copy %1 failed: %2. Nothing of the change was "
                           "kept.")
            .arg(shownPath(), why);
    return false;
}
