#include "cli/clioutput.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/gamefile.h"
#include "common/samefile.h"
#include "common/wholefile.h"
#include "exchange/playersheet.h"
#include "exchange/rosterimport.h"
#include "exchange/sheetkind.h"
#include "exchange/teamsheet.h"
#include "sheetformats/sheetfile.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace CliOutput;

namespace {

using SheetPlan = ImportPlan (*)(QByteArrayView, const SheetTable&);

QString help() {
    return QCoreApplication::translate("ImportCommand",
                                       R"help(usage: rosterly-cli import PLAYER_DB [TEAM_FILE]
                           [--players FILE | --rosters FILE] [--teams FILE] [--dry-run]

Applies edited sheets to the game files: --players FILE (a players.csv or players.xlsx) to
PLAYER_DB, --teams FILE (a teams.csv or teams.xlsx) to TEAM_FILE, --rosters FILE (a rosters.csv
or rosters.xlsx: each team it names gets exactly the squad its rows give, in slot order; the
names in it are not imported) to the roster table in PLAYER_DB; a sheet whose name ends in
.xlsx is read as a workbook (its first worksheet), any other as CSV (UTF-8, UTF-16 or
Windows-1252). Only the fields whose cell differs from what the editor shows now are
written, with the editor's own rules; an untouched sheet changes nothing. Every cell is checked
first: one refused cell, and no file is touched. Each changed file is replaced in one atomic step
(a compressed game file is compressed again; a working copy, *.unzlib, is written as it is), after
the file as it was is kept in the folder backups beside it; when the second file cannot be backed
up or replaced, the first is put back as it was.

Prints what changes: the counts, then one line per field, "index id name: field old -> new", or
per roster slot, "Austria: slot 3 Adam Adams (7) -> Boris Brown (7)", and for a player who moves,
"Boris Brown: Brazil -> Austria".

  --dry-run   print the changes, write nothing

Exit status: 0 applied (or nothing to change), 1 refused (every reason on standard error, no
file touched), 2 wrong usage.)help");
}

// One sheet applied to one game file.
struct SheetImport {
    QString sheetPath;
    GameFile target;
    ImportPlan plan;
};

void printPlan(const SheetImport& import, bool dryRun) {
    const QString sheet = QFileInfo(import.sheetPath).fileName();
    const ImportPlan& plan = import.plan;
    out(QStringLiteral("%1: %2 %3 and %4 %5 %6")
            .arg(sheet)
            .arg(plan.recordCount)
            .arg(plan.recordCount == 1 ? QStringLiteral("record") : QStringLiteral("records"))
            .arg(plan.fieldCount)
            .arg(plan.fieldCount == 1 ? QStringLiteral("field") : QStringLiteral("fields"))
            .arg(dryRun ? QStringLiteral("would change") : QStringLiteral("change")));
    out(plan.changes);
    for (const QString& note : plan.notes)
        out(QStringLiteral("note: ") + note);
}

} // namespace

int importCommand(const QStringList& arguments) {
    CommandLine commandLine(QStringLiteral("import"), help(), 1, 2);
    const QCommandLineOption playersOption(QStringLiteral("players"), QString(),
                                           QStringLiteral("FILE"));
    const QCommandLineOption teamsOption(QStringLiteral("teams"), QString(),
                                         QStringLiteral("FILE"));
    const QCommandLineOption rostersOption(QStringLiteral("rosters"), QString(),
                                           QStringLiteral("FILE"));
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"));
    for (const QCommandLineOption& option :
         {playersOption, teamsOption, rostersOption, dryRunOption})
        commandLine.addOption(option);
    if (const auto status = commandLine.parse(arguments))
        return *status;
    const QStringList files = commandLine.positional();
    const bool players = commandLine.isSet(playersOption);
    const bool teams = commandLine.isSet(teamsOption);
    const bool rosters = commandLine.isSet(rostersOption);
    if (!players && !teams && !rosters)
        return commandLine.usageError(QCoreApplication::translate(
            "ImportCommand", "give a sheet: --players FILE, --teams FILE, --rosters FILE"));
    if (players && rosters)
        return commandLine.usageError(QCoreApplication::translate(
            "ImportCommand",
            "give --players or --rosters, not both: both write the player database"));
    for (const auto& [given, option] : {std::pair{teams, "--teams"}, {rosters, "--rosters"}})
        if (given && files.size() < 2)
            return commandLine.usageError(
                QCoreApplication::translate(
                    "ImportCommand",
                    "%1 needs the team file: rosterly-cli import PLAYER_DB TEAM_FILE %1 FILE")
                    .arg(QLatin1String(option)));
    if (files.size() == 2 && sameExistingFile(files.at(0), files.at(1)))
        return commandLine.usageError(QCoreApplication::translate(
            "ImportCommand", "the player database and the team file are the same file"));

    // Everything is read and planned before anything is written.
    std::vector<SheetImport> imports;
    QStringList problems;
    const auto prepare =
        [&](const QString& sheetPath, const QString& gamePath, SheetKind kind,
            QString (*problemOf)(QByteArrayView),
            const std::function<ImportPlan(QByteArrayView, const SheetTable&)>& plan) {
            QString error;
            const auto bytes = WholeFile::read(sheetPath, &error);
            auto target = bytes ? GameFile::read(gamePath, &error) : std::nullopt;
            if (!target) {
                problems << error;
                return;
            }
            const QString sheetName = QFileInfo(sheetPath).fileName();
            const SheetTable sheet = SheetFile::read(sheetPath, *bytes);
            if (!sheet.error().isEmpty()) {
                problems << sheetName + QStringLiteral(": ") + sheet.error();
                return;
            }
            const SheetKind found = sheetKindOf(sheet);
            if (found != kind && found != SheetKind::Unknown) {
                const QString name = found == SheetKind::Players ? QStringLiteral("players")
                                     : found == SheetKind::Teams ? QStringLiteral("teams")
                                                                 : QStringLiteral("rosters");
                //: %2 is the sheet's kind, also the name of its option: players, teams or rosters
                problems << QCoreApplication::translate("ImportCommand",
                                                        "%1 is a %2 sheet; give it as --%2 FILE.")
                                .arg(sheetName, name);
                return;
            }
            // A game file that is not of its kind is named, not the sheet.
            if (const QString problem = target->problem(problemOf); !problem.isEmpty()) {
                problems << problem;
                return;
            }
            ImportPlan result = plan(target->bytes, sheet);
            for (const QString& line : result.errors)
                problems << sheetName + QStringLiteral(": ") + line;
            imports.push_back({sheetPath, std::move(*target), std::move(result)});
        };
    if (players)
        prepare(commandLine.value(playersOption), files.at(0), SheetKind::Players,
                PlayerSheet::databaseProblem, SheetPlan(PlayerSheet::plan));
    if (teams)
        prepare(commandLine.value(teamsOption), files.at(1), SheetKind::Teams,
                TeamSheet::teamFileProblem, SheetPlan(TeamSheet::plan));
    if (rosters) {
        // The roster table lies in the player database; the team file names its teams.
        QString error;
        const auto teamFile = GameFile::read(files.at(1), &error);
        const QString problem = teamFile ? teamFile->problem(TeamSheet::teamFileProblem) : error;
        if (!problem.isEmpty())
            problems << problem;
        else
            prepare(commandLine.value(rostersOption), files.at(0), SheetKind::Rosters,
                    PlayerSheet::databaseProblem,
                    [&](QByteArrayView database, const SheetTable& sheet) {
                        return RosterImport::plan(database, teamFile->bytes, sheet);
                    });
    }
    if (!problems.isEmpty()) {
        for (const QString& problem : problems)
            err(problem);
        err(QCoreApplication::translate("ImportCommand", "Nothing was written."));
        return Refused;
    }

    const bool dryRun = commandLine.isSet(dryRunOption);
    for (const SheetImport& import : imports)
        printPlan(import, dryRun);
    if (dryRun) {
        out(QStringLiteral("dry run: nothing was written"));
        return Done;
    }

    std::vector<GameFileUpdate> updates;
    for (const SheetImport& import : imports)
        if (!import.plan.patches.empty())
            updates.push_back({&import.target, import.target.patched(import.plan.patches)});
    if (updates.empty()) {
        out(QStringLiteral("nothing to change: no file was written"));
        return Done;
    }
    QString error;
    QStringList written;
    if (!writeGameFiles(updates, &written, &error)) {
        err(error);
        return Refused;
    }
    out(written);
    return Done;
}
