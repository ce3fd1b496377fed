#include "app/backupmenu.h"

#include "common/backups.h"
#include "common/samefile.h"
#include "shell/gamefilesession.h"
#include "shell/platform.h"
#include "shell/programtitle.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QWidget>

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

BackupMenu::BackupMenu(QAction& restoreAction, Platform& platform, QWidget* window, Windows windows)
    : QObject(window), m_platform(platform), m_window(window), m_windows(std::move(windows)) {
    connect(&restoreAction, &QAction::triggered, this, &BackupMenu::restoreBackup);
}

void BackupMenu::tell(const QString& text) {
    m_platform.showMessage(m_window, programTitle(), text);
}

void BackupMenu::warn(const QString& text) {
    m_platform.showWarning(m_window, programTitle(), text);
}

void BackupMenu::restoreBackup() {
    // The dialog starts among the backups of the player database open, where there are any.
    const QString open = m_windows.players.gameFile();
    const QString folder = open.isEmpty() ? QString() : Backups::folderOf(open);
    const QString backup =
        folder.isEmpty() || !QFileInfo(folder).isDir()
            ? m_platform.chooseFile(m_window, tr("Restore Backup"), tr("Backup"),
                                    QStringLiteral("*.bak"))
            : m_platform.chooseFileIn(m_window, tr("Restore Backup"), tr("Backup"),
                                      QStringLiteral("*.bak"), folder);
    if (backup.isEmpty())
        return;
    QString error;
    const auto gameFile = Backups::gameFileOf(backup, &error);
    if (!gameFile) {
        warn(tr("%1\nNothing was changed.").arg(error));
        return;
    }
    if (!m_platform.ask(m_window, programTitle(),
                        tr("Put the backup %1 in place of %2? %2 as it is now is backed up "
                           "first.")
                            .arg(shown(backup), shown(*gameFile))))
        return;

    // The windows that have the game file open: a save running there would replace it again.
    const std::pair<GameFileSession*, QString> windows[] = {
        {&m_windows.players, tr("the player editor")},
        {m_windows.teams(), tr("the team name editor")}};
    QStringList openIn;
    for (const auto& [session, name] : windows) {
        if (!session || !session->isOpen() || !sameFile(session->gameFile(), *gameFile))
            continue;
        if (session->refuseWhileSaving(tr("Restore the backup")))
            return;
        openIn << name;
    }

    const auto restored = Backups::restore(backup, &error);
    if (!restored) {
        warn(error);
        return;
    }
    QString text = tr("%1 now holds the backup %2.").arg(shown(*gameFile), shown(backup));
    if (!restored->backupMade.isEmpty())
        text += u' ' + tr("The file as it was is kept as %1.").arg(shown(restored->backupMade));
    for (const QString& window : openIn)
        //: %1 names the window ("the player editor").
        text += QStringLiteral("\n\n") +
                tr("The file is open in %1, whose working copy still holds the file as it was "
                   "before. File > Open there decompresses the restored file.")
                    .arg(window);
    tell(text);
}
