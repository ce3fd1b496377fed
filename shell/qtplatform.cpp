#include "shell/qtplatform.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

QString QtPlatform::chooseFile(QWidget* parent, const QString& title,
                               const QString& filterDescription, const QString& filterPattern) {
    const QString chosen = QFileDialog::getOpenFileName(
        parent, title, m_lastFolder,
        QStringLiteral("%1 (%2)").arg(filterDescription, filterPattern));
    if (!chosen.isEmpty())
        m_lastFolder = QFileInfo(chosen).absolutePath();
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
        m_lastFolder = chosen;
    return chosen;
}
