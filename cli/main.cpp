// rosterly-cli: the spreadsheet export and import, the comparison of two databases, the backups
// of game files and the squads, on the command line. The same rules as the editor's File menu
// and team view (exchange/, common/backups.h, teams/squad.h), without the windows.
#include "cli/clioutput.h"
#include "cli/commands.h"
#include "common/translations.h"

#include <QCoreApplication>

namespace {

QString usage() {
    return QCoreApplication::translate("RosterlyCli", R"help(usage: rosterly-cli COMMAND ...

  export PLAYER_DB [TEAM_FILE] --out DIR [--format csv|xlsx]
      write players.csv (and teams.csv and rosters.csv with the team file) into DIR, or .xlsx
  import PLAYER_DB [TEAM_FILE] [--players FILE | --rosters FILE] [--teams FILE] [--dry-run]
      apply edited sheets to the game files
  diff OLD_DB NEW_DB [OLD_TEAMS NEW_TEAMS]
      list every field that differs between two databases (and team files)
  backups GAME_FILE
      list the backups kept of a game file, newest first
  restore BACKUP
      put a backup in place of its game file (which is backed up first)
  squad PLAYER_DB TEAM_FILE TEAM_ID
      print a team's squad: slot, shirt number, player ID and name
  transfer PLAYER_DB TEAM_FILE --player ID --to TEAM_ID [--from TEAM_ID] [--number N]
           [--call-up] [--dry-run]
      move a player into another squad (or call him up, or sign a free agent)
  release PLAYER_DB TEAM_FILE --player ID --from TEAM_ID [--dry-run]
      take a player out of a squad
  check PLAYER_DB TEAM_FILE
      list every problem of the rosters
  players PLAYER_DB [TEAM_FILE] [--where FILTER] [--columns A,B] [--sort [-]COLUMN]
          [--format tsv|csv]
      print the players a filter lets through: speed>=85 position=CF,SS teams~madrid
  set PLAYER_DB [TEAM_FILE] --where FILTER --column COLUMN (--value V | --add N
      | --subtract N | --at-least N | --at-most N) [--dry-run]
      change one column of every player a filter lets through
  merge PLAYER_DB TEAM_FILE OTHER_DB [OTHER_TEAM_FILE] [--parts P,...] [--where FILTER]
        [--players ID,...] [--teams ID,...] [--skip-refused] [--dry-run]
      take players, squads and team names from another pair of game files

Game files are compressed game files (unnamed_25.bin) or working copies (unnamed_25.bin.unzlib).
rosterly-cli COMMAND --help tells more about a command.)help");
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rosterly-cli"));
    // Messages and --help follow the system's language; what scripts read stays English.
    Translations::install(app, Translations::inheritedLanguage());
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2)
        return CliOutput::usageError(
            {}, QCoreApplication::translate("RosterlyCli", "no command given"));
    const QString command = arguments.takeAt(1);
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h") ||
        command == QStringLiteral("help")) {
        CliOutput::out(usage());
        return CliOutput::Done;
    }
    if (command == QStringLiteral("export"))
        return exportCommand(arguments);
    if (command == QStringLiteral("import"))
        return importCommand(arguments);
    if (command == QStringLiteral("diff"))
        return diffCommand(arguments);
    if (command == QStringLiteral("backups"))
        return backupsCommand(arguments);
    if (command == QStringLiteral("restore"))
        return restoreCommand(arguments);
    if (command == QStringLiteral("squad"))
        return squadCommand(arguments);
    if (command == QStringLiteral("transfer"))
        return transferCommand(arguments);
    if (command == QStringLiteral("release"))
        return releaseCommand(arguments);
    if (command == QStringLiteral("check"))
        return checkCommand(arguments);
    if (command == QStringLiteral("players"))
        return playersCommand(arguments);
    if (command == QStringLiteral("set"))
        return setCommand(arguments);
    if (command == QStringLiteral("merge"))
        return mergeCommand(arguments);
    return CliOutput::usageError(
        {}, QCoreApplication::translate("RosterlyCli", "unknown command \"%1\"").arg(command));
}
