#include "cli/clioutput.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "common/backups.h"

#include <QCoreApplication>
#include <QDir>

using namespace CliOutput;

namespace {

QString help() {
    return QCoreApplication::translate("BackupsCommand",
                                       R"help(usage: rosterly-cli backups GAME_FILE

Lists the backups of GAME_FILE in the folder backups beside it, newest first, one line each: the
path, the size in bytes and the time it was made, separated by tabs. A backup is made before every
replacement of a game file; the ten newest are kept, and the oldest, the file as it was before it
was first replaced. rosterly-cli restore BACKUP puts one back.

Exit status: 0 listed (or there are none), 2 wrong usage.)help");
}

} // namespace

int backupsCommand(const QStringList& arguments) {
    CommandLine commandLine(QStringLiteral("backups"), help(), 1, 1);
    if (const auto status = commandLine.parse(arguments))
        return *status;
    const QString gameFile = commandLine.positional().at(0);
    const std::vector<Backups::Backup> backups = Backups::list(gameFile);
    if (backups.empty()) {
        out(QStringLiteral("%1: no backups").arg(QDir::toNativeSeparators(gameFile)));
        return Done;
    }
    for (const Backups::Backup& backup : backups)
        out(QStringLiteral("%1\t%2 bytes\t%3")
                .arg(QDir::toNativeSeparators(backup.path))
                .arg(backup.size)
                .arg(backup.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
    return Done;
}
