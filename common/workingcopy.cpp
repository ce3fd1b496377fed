#include "common/workingcopy.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

WorkingCopy::WorkingCopy(QString path) : m_path(std::move(path)) {}

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

std::optional<QByteArray> WorkingCopy::read(qint64 offset, qint64 size) const {
    m_error.clear();
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::ExistingOnly)) {
        m_error = QStringLiteral("The working copy %1 cannot be opened: %2")
                      .arg(m_path, file.errorString());
        return std::nullopt;
    }
    if (offset < 0 || size < 0 || file.size() < offset + size) {
        m_error = QStringLiteral("The working copy %1 is too short: it has %2 bytes, but %3 "
                                 "are needed. Wait until the codec has finished, or open the "
                                 "game file again.")
                      .arg(m_path)
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
        m_error = QStringLiteral("Reading the working copy %1 failed: %2")
                      .arg(m_path, file.errorString());
        return std::nullopt;
    }
    return bytes;
}

bool WorkingCopy::write(const std::vector<Patch>& patches) {
    m_error.clear();
    QFile file(m_path);
    // ExistingOnly: a missing working copy must never be created empty.
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        m_error = QStringLiteral("The working copy %1 cannot be opened for writing: %2")
                      .arg(m_path, file.errorString());
        return false;
    }
    qint64 end = 0;
    for (const Patch& patch : patches) {
        if (patch.offset < 0) {
            m_error = QStringLiteral("Refusing to write before the start of %1.").arg(m_path);
            return false;
        }
        end = std::max(end, patch.offset + patch.bytes.size());
    }
    if (file.size() < end) {
        m_error = QStringLiteral("The working copy %1 is too short: it has %2 bytes, but the "
                                 "change reaches byte %3. Nothing was written.")
                      .arg(m_path)
                      .arg(file.size())
                      .arg(end);
        return false;
    }
    for (const Patch& patch : patches) {
        if (!file.seek(patch.offset) || file.write(patch.bytes) != patch.bytes.size()) {
            m_error = QStringLiteral("Writing the working copy %1 failed: %2")
                          .arg(m_path, file.errorString());
            return false;
        }
    }
    if (!file.flush()) {
        m_error = QStringLiteral("Writing the working copy %1 failed: %2")
                      .arg(m_path, file.errorString());
        return false;
    }
    return true;
}
