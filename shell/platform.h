#pragma once

#include <QString>

class QWidget;

// Modal dialogs and the codec tool's location, behind one seam so that tests can drive the
// windows without blocking.
class Platform {
public:
    virtual ~Platform() = default;
    // File-open dialog; returns the chosen full path, or an empty string when cancelled.
    virtual QString chooseFile(QWidget* parent, const QString& title,
                               const QString& filterDescription, const QString& filterPattern) = 0;
    // Modal message box with an OK button.
    virtual void showMessage(QWidget* parent, const QString& caption, const QString& text) = 0;
    // Full path of the codec tool program.
    virtual QString codecProgram() const = 0;
    // Modal question with Yes and No buttons; true for Yes.
    virtual bool ask(QWidget* parent, const QString& caption, const QString& text) = 0;
    // Folder chooser; returns the chosen folder, or an empty string when cancelled.
    virtual QString chooseFolder(QWidget* parent, const QString& title) = 0;
    // The file-open dialog, starting in `folder` rather than where the last one ended. A platform
    // whose dialogs cannot start anywhere else asks as chooseFile does.
    virtual QString chooseFileIn(QWidget* parent, const QString& title,
                                 const QString& filterDescription, const QString& filterPattern,
                                 const QString& folder) {
        Q_UNUSED(folder);
        return chooseFile(parent, title, filterDescription, filterPattern);
    }
    // Modal message box with an OK button for a refusal or a failure, with a warning icon. A
    // platform that has no such box shows it as a message.
    virtual void showWarning(QWidget* parent, const QString& caption, const QString& text) {
        showMessage(parent, caption, text);
    }
};
