#include "cli/clioutput.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "common/backups.h"

#include <QCoreApplication>
#include <QDir>

using namespace CliOutput;

namespace {

QString help() {
    return QCoreApplication::translate("RestoreCommand", R"help(usage: rosterly-cli restore BACKUP

Puts BACKUP in place of its game file in one atomic step. BACKUP is one of the files kept in the
folder backups beside a game file before each replacement, named after it:
GAME_FILE.yyyyMMdd-HHmmss.bak, or GAME_FILE.yyyyMMdd-HHmmss-N.bak. The game file as it is now is
backed up first, so a restore can be undone the same way. rosterly-cli backups GAME_FILE lists
them.

Exit status: 0 restored, 1 refused (not a backup, or it cannot be read or put back; the game file
is as it was), 2 wrong usage.)help");
}

} // namespace

int restoreCommand(const QStringList& arguments) {
    CommandLine commandLine(QStringLiteral("restore"), help(), 1, 1);
    if (const auto status = commandLine.parse(arguments))
        return *status;
    const QString backup = commandLine.positional().at(0);
    QString error;
    const auto restored = Backups::restore(backup, &error);
    if (!restored) {
        err(error);
        return Refused;
    }
    out(QStringLiteral("restored %1 from %2")
            .arg(QDir::toNativeSeparators(restored->gameFile), QDir::toNativeSeparators(backup)));
    if (!restored->backupMade.isEmpty())
        out(QStringLiteral("the file as it was: %1")
                .arg(QDir::toNativeSeparators(restored->backupMade)));
    return Done;
}
