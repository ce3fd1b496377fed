#include "shell/qtplatform.h"

#include "shell/editorsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace {
const QString lastFolderKey = QStringLiteral("dialogs/lastFolder");
} // namespace

QtPlatform::QtPlatform() {
    m_lastFolder = EditorSettings().value(lastFolderKey).toString();
    if (m_lastFolder.isEmpty() || !QFileInfo(m_lastFolder).isDir())
        m_lastFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // A documents folder that was never made would show as a file name to open.
    if (!QFileInfo(m_lastFolder).isDir())
        m_lastFolder = QDir::homePath();
}

void QtPlatform::remember(const QString& folder) {
    m_lastFolder = folder;
    EditorSettings().setValue(lastFolderKey, folder);
}

QString QtPlatform::chooseFile(QWidget* parent, const QString& title,
                               const QString& filterDescription, const QString& filterPattern) {
    return chooseFileIn(parent, title, filterDescription, filterPattern, m_lastFolder);
}

QString QtPlatform::chooseFileIn(QWidget* parent, const QString& title,
                                 const QString& filterDescription, const QString& filterPattern,
                                 const QString& folder) {
    const QString chosen = QFileDialog::getOpenFileName(
        parent, title, folder, QStringLiteral("%1 (%2)").arg(filterDescription, filterPattern));
    if (!chosen.isEmpty())
        remember(QFileInfo(chosen).absolutePath());
    return chosen;
}

void QtPlatform::showMessage(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox::information(parent, caption, text);
}

void QtPlatform::showWarning(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox::warning(parent, caption, text);
}

QString QtPlatform::codecProgram() const {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/zlib2.dll");
}

bool QtPlatform::ask(QWidget* parent, const QString& caption, const QString& text) {
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

QString QtPlatform::chooseFolder(QWidget* parent, const QString& title) {
    const QString chosen = QFileDialog::getExistingDirectory(parent, title, m_lastFolder);
    if (!chosen.isEmpty())
        remember(chosen);
    return chosen;
}
