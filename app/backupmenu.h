#pragma once

#include <QObject>

#include <functional>

class GameFileSession;
class Platform;
class QAction;
class QWidget;

// File > "Restore Backup…" of the main window: puts one of the backups kept beside a game file
// (common/backups.h) back in place of that file, after asking, and not while a window saves it.
class BackupMenu : public QObject {
    Q_OBJECT
public:
    struct Windows {
        GameFileSession& players;
        // The team name editor's session while that window exists; null otherwise.
        std::function<GameFileSession*()> teams;
    };

    BackupMenu(QAction& restoreAction, Platform& platform, QWidget* window, Windows windows);

    void restoreBackup();

private:
    void tell(const QString& text);
    void warn(const QString& text);

    Platform& m_platform;
    QWidget* m_window;
    Windows m_windows;
};
