#include "cli/clioutput.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/gamefile.h"
#include "exchange/playersheet.h"
#include "exchange/rostersheet.h"
#include "exchange/teamsheet.h"
#include "sheetformats/sheetfile.h"

#include <QCoreApplication>
#include <QDir>

using namespace CliOutput;

namespace {

QString help() {
    return QCoreApplication::translate(
        "ExportCommand",
        R"help(usage: rosterly-cli export PLAYER_DB [TEAM_FILE] --out DIR [--format csv|xlsx]

Writes the players of PLAYER_DB as DIR/players.csv, one row per player the editor can write
(records 0-6449) as it shows him. With TEAM_FILE also DIR/teams.csv (the team names) and
DIR/rosters.csv (every team's roster, as the team view shows it). DIR is made when it does not
exist; files already there are replaced.

  --format xlsx   write .xlsx workbooks (players.xlsx, ...) instead of CSV

Exit status: 0 written, 1 a file could not be read or written, 2 wrong usage.)help");
}

} // namespace

int exportCommand(const QStringList& arguments) {
    CommandLine commandLine(QStringLiteral("export"), help(), 1, 2);
    const QCommandLineOption outOption(QStringLiteral("out"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption formatOption(QStringLiteral("format"), QString(),
                                          QStringLiteral("FORMAT"), QStringLiteral("csv"));
    commandLine.addOption(outOption);
    commandLine.addOption(formatOption);
    if (const auto status = commandLine.parse(arguments))
        return *status;
    if (!commandLine.isSet(outOption) || commandLine.value(outOption).isEmpty())
        return commandLine.usageError(
            QCoreApplication::translate("ExportCommand", "--out DIR is missing"));
    const QString formatName = commandLine.value(formatOption).toLower();
    if (formatName != QStringLiteral("csv") && formatName != QStringLiteral("xlsx"))
        return commandLine.usageError(
            QCoreApplication::translate("ExportCommand", "--format is csv or xlsx, not \"%1\"")
                .arg(formatName));
    const SheetFormat format =
        formatName == QStringLiteral("xlsx") ? SheetFormat::Xlsx : SheetFormat::Csv;
    const QStringList files = commandLine.positional();

    QString error;
    const auto database = GameFile::read(files.at(0), &error);
    if (!database) {
        err(error);
        return Refused;
    }
    if (const QString problem = database->problem(PlayerSheet::databaseProblem);
        !problem.isEmpty()) {
        err(problem);
        return Refused;
    }
    std::optional<GameFile> teamFile;
    if (files.size() > 1) {
        teamFile = GameFile::read(files.at(1), &error);
        if (!teamFile) {
            err(error);
            return Refused;
        }
        if (const QString problem = teamFile->problem(TeamSheet::teamFileProblem);
            !problem.isEmpty()) {
            err(problem);
            return Refused;
        }
    }

    const QDir dir(commandLine.value(outOption));
    if (!dir.mkpath(QStringLiteral("."))) {
        err(QCoreApplication::translate("ExportCommand", "%1: the folder cannot be made")
                .arg(dir.path()));
        return Refused;
    }
    // Sheets already in the folder are replaced; their former content is not kept.
    std::vector<Replacement> sheets;
    const auto add = [&](const QString& base, const std::function<bool(SheetWriter&)>& fill) {
        const auto bytes = SheetFile::write(format, base, fill, &error);
        if (bytes)
            sheets.push_back(
                {dir.filePath(SheetFile::fileName(base, format)), *bytes, std::nullopt});
        return bytes.has_value();
    };
    bool made = add(QStringLiteral("players"),
                    [&](SheetWriter& out) { return PlayerSheet::write(database->bytes, out); });
    if (made && teamFile)
        made = add(QStringLiteral("teams"),
                   [&](SheetWriter& out) { return TeamSheet::write(teamFile->bytes, out); }) &&
               add(QStringLiteral("rosters"), [&](SheetWriter& out) {
                   return RosterSheet::write(database->bytes, teamFile->bytes, out);
               });
    if (!made || !replaceFiles(sheets, &error)) {
        err(error);
        return Refused;
    }
    for (const Replacement& sheet : sheets)
        out(QStringLiteral("wrote %1").arg(QDir::toNativeSeparators(sheet.path)));
    return Done;
}
