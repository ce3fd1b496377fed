#pragma once

#include "shell/platform.h"

// The platform of the running editor: Qt's own dialogs and the codec tool beside the program.
class QtPlatform : public Platform {
public:
    QString chooseFile(QWidget* parent, const QString& title, const QString& filterDescription,
                       const QString& filterPattern) override;
    void showMessage(QWidget* parent, const QString& caption, const QString& text) override;
    QString codecProgram() const override;
};
