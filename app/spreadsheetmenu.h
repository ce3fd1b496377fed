#pragma once

#include "sheetformats/sheetfile.h"

#include <QObject>

#include <functional>

class GameFileSession;
class Platform;
class QAction;
class QWidget;

// File > "Export to CSV…", "Export to Excel…" and "Import Sheet…" of the main window: the player
// database (and, once loaded, the team file) as spreadsheets, and spreadsheets (.csv or .xlsx)
// back into the working copies with the same checks as the window's own buttons.
class SpreadsheetMenu : public QObject {
    Q_OBJECT
public:
    struct Actions {
        QAction& exportCsv;
        QAction& exportXlsx;
        QAction& import;
    };
    struct Files {
        GameFileSession& players;
        // The team name editor's session while that window exists; null otherwise.
        std::function<GameFileSession*()> teams;
        // Loads the lists of both windows again after an import.
        std::function<void()> reload;
    };

    SpreadsheetMenu(Actions actions, Platform& platform, QWidget* window, Files files);

    void exportSheets(SheetFormat format);
    void importSheet();

private:
    // Says why the player database cannot be exported or imported into now (no lists loaded from
    // it, or a save running) and returns true; false when it can.
    bool refuseUnlessLoaded(const QString& action) const;
    GameFileSession* loadedTeamFile() const;
    bool writeSheet(const QString& folder, const QString& name,
                    const std::optional<QByteArray>& bytes, const QString& error);

    Platform& m_platform;
    QWidget* m_window;
    Files m_files;
};
