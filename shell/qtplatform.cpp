#include "shell/qtplatform.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

QString QtPlatform::chooseFile(QWidget* parent, const QString& title,
                               const QString& filterDescription, const QString& filterPattern) {
    return QFileDialog::getOpenFileName(
        parent, title, QString(), QStringLiteral("%1 (%2)").arg(filterDescription, filterPattern));
}

void QtPlatform::showMessage(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox::information(parent, caption, text);
}

QString QtPlatform::codecProgram() const {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/zlib2.dll");
}
