#pragma once

#include "shell/platform.h"

// The platform of the running editor: Qt's own dialogs and the codec tool beside the program.
// A file or folder dialog opens in the folder of the file or folder chosen last, so the team file
// is looked for where the player database was just found.
class QtPlatform : public Platform {
public:
    QString chooseFile(QWidget* parent, const QString& title, const QString& filterDescription,
                       const QString& filterPattern) override;
    void showMessage(QWidget* parent, const QString& caption, const QString& text) override;
    QString codecProgram() const override;
    bool ask(QWidget* parent, const QString& caption, const QString& text) override;
    QString chooseFolder(QWidget* parent, const QString& title) override;
    void showWarning(QWidget* parent, const QString& caption, const QString& text) override;

private:
    QString m_lastFolder;
};
