#pragma once

#include "app/form1controls.h"
#include "shell/platform.h"
#include "shell/programtitle.h"
#include "common/workingcopy.h"

#include <QListWidget>

#include <optional>

// What the main window's subsystems share: its controls, the platform for messages, and the
// working copy of the player database now open.
struct Form1Context {
    Form1Controls& c;
    Platform& platform;
    QWidget* window;

    WorkingCopy workingCopy() const { return WorkingCopy(WorkingCopy::pathForGameFile(c.cmdOpen)); }

    // The name offset N of the player selected in the list, which addresses his record; empty
    // when no player is selected.
    std::optional<qint64> selectedNameOffset() const {
        if (c.List1->currentRow() < 0 || !c.adrese_naziv.hasCurrent() || c.cmdOpen.isEmpty())
            return std::nullopt;
        bool ok = false;
        const qint64 n = c.adrese_naziv.text().toLongLong(&ok);
        return ok ? std::optional<qint64>(n) : std::nullopt;
    }

    void message(const QString& text) const { platform.showMessage(window, programTitle(), text); }

    // Ends a write-back: writes its patches into the working copy, or, when the values were
    // refused (`refusal` not empty) or the file cannot take them, says so. True when written.
    bool writeBack(const std::vector<Patch>& patches, const QString& refusal) const {
        if (!refusal.isEmpty()) {
            message(refusal + QStringLiteral("\nNothing was written."));
            return false;
        }
        WorkingCopy copy = workingCopy();
        if (!copy.write(patches)) {
            message(copy.errorString());
            return false;
        }
        return true;
    }
};
