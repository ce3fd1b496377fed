#pragma once

#include "shell/platform.h"

// The platform of the running editor: Qt's own dialogs and the codec tool beside the program.
// A file or folder dialog opens in the folder of the file or folder chosen last, so the team file
// is looked for where the player database was just found; the first one of a run opens where the
// last run's last one did, or in the user's documents folder.
class QtPlatform : public Platform {
public:
    QtPlatform();
    QString chooseFile(QWidget* parent, const QString& title, const QString& filterDescription,
                       const QString& filterPattern) override;
    void showMessage(QWidget* parent, const QString& caption, const QString& text) override;
    QString codecProgram() const override;
    bool ask(QWidget* parent, const QString& caption, const QString& text) override;
    QString chooseFolder(QWidget* parent, const QString& title) override;
    void showWarning(QWidget* parent, const QString& caption, const QString& text) override;
    QString chooseFileIn(QWidget* parent, const QString& title, const QString& filterDescription,
                         const QString& filterPattern, const QString& folder) override;

private:
    void remember(const QString& folder);

    QString m_lastFolder;
};
