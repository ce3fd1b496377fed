// rosterly-cli: the spreadsheet export and import and the comparison of two databases, on the
// command line. The same rules as the editor's File menu (exchange/), without the windows.
#include "cli/clioutput.h"
#include "cli/commands.h"

#include <QCoreApplication>

namespace {

const char usage[] = R"(usage: rosterly-cli COMMAND ...

  export PLAYER_DB [TEAM_FILE] --out DIR
      write players.csv (and teams.csv and rosters.csv with the team file) into DIR
  import PLAYER_DB [TEAM_FILE] [--players FILE] [--teams FILE] [--dry-run]
      apply edited sheets to the game files
  diff OLD_DB NEW_DB [OLD_TEAMS NEW_TEAMS]
      list every field that differs between two databases (and team files)

Game files are compressed game files (unnamed_25.bin) or working copies (unnamed_25.bin.unzlib).
rosterly-cli COMMAND --help tells more about a command.)";

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rosterly-cli"));
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2)
        return CliOutput::usageError({}, QStringLiteral("no command given"));
    const QString command = arguments.takeAt(1);
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h") ||
        command == QStringLiteral("help")) {
        CliOutput::out(QString::fromUtf8(usage));
        return CliOutput::Done;
    }
    if (command == QStringLiteral("export"))
        return exportCommand(arguments);
    if (command == QStringLiteral("import"))
        return importCommand(arguments);
    if (command == QStringLiteral("diff"))
        return diffCommand(arguments);
    return CliOutput::usageError({}, QStringLiteral("unknown command \"%1\"").arg(command));
}
