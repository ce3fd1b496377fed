#include "cli/clioutput.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/gamefile.h"
#include "exchange/bulkchange.h"
#include "exchange/playercolumns.h"
#include "exchange/playersheet.h"
#include "exchange/teamsheet.h"
#include "playertable/playerfilter.h"
#include "playertable/playertabledata.h"
#include "playertable/tablecolumns.h"
#include "teamnames/teamnametable.h"

#include <QCoreApplication>

using namespace CliOutput;

namespace {

QString help() {
    return QCoreApplication::translate(
        "SetCommand",
        R"help(usage: rosterly-cli set PLAYER_DB [TEAM_FILE] --where FILTER --column COLUMN
                        (--value V | --add N | --subtract N | --at-least N | --at-most N)
                        [--dry-run]

Changes one column of every player FILTER lets through (records 0-6449; the filter language of
rosterly-cli players, --where "" for every player): sets it to V, adds or subtracts N (abilities
held at 1-99, a stored value above 99 kept unless the change lowers it; other numbers held at the
range the editor's box accepts), or raises an ability to at least N or caps it at most at N.
Every value is checked and written exactly as a sheet import of that cell. teams, numbers and
squads in the filter need TEAM_FILE, which is only read.

Prints one line per changed field, as import and diff do ("index id name: field old -> new"),
then what the change did ("97 players change, 12 clamped to 99, 11 already 99"). PLAYER_DB is
replaced in one atomic step in its own form, after the file as it was is kept in its backups.

  --dry-run   print the changes, write nothing

Exit status: 0 done or nothing to change, 1 refused (every reason on standard error, nothing
written) or a file cannot be read, 2 wrong usage or a wrong filter.)help");
}

struct ModeOption {
    const char* name;
    BulkChange::Mode mode;
};
constexpr ModeOption modeOptions[] = {{"value", BulkChange::Mode::Set},
                                      {"add", BulkChange::Mode::Add},
                                      {"subtract", BulkChange::Mode::Subtract},
                                      {"at-least", BulkChange::Mode::AtLeast},
                                      {"at-most", BulkChange::Mode::AtMost}};

} // namespace

int setCommand(const QStringList& arguments) {
    CommandLine commandLine(QStringLiteral("set"), help(), 1, 2);
    const QCommandLineOption whereOption(QStringLiteral("where"), QString(),
                                         QStringLiteral("FILTER"));
    const QCommandLineOption columnOption(QStringLiteral("column"), QString(),
                                          QStringLiteral("COLUMN"));
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"));
    QList<QCommandLineOption> modes;
    for (const ModeOption& mode : modeOptions)
        modes << QCommandLineOption(QString::fromLatin1(mode.name), QString(), QStringLiteral("V"));
    for (const QCommandLineOption& option : QList{whereOption, columnOption, dryRunOption} + modes)
        commandLine.addOption(option);
    if (const auto status = commandLine.parse(arguments))
        return *status;
    if (!commandLine.isSet(whereOption))
        return commandLine.usageError(QCoreApplication::translate(
            "SetCommand", "--where FILTER is missing (--where \"\" changes every player)"));
    if (!commandLine.isSet(columnOption))
        return commandLine.usageError(
            QCoreApplication::translate("SetCommand", "--column COLUMN is missing"));
    BulkChange::Change change;
    int given = 0;
    for (qsizetype i = 0; i < modes.size(); ++i) {
        if (!commandLine.isSet(modes[i]))
            continue;
        ++given;
        change.mode = modeOptions[i].mode;
        change.value = commandLine.value(modes[i]);
    }
    if (given != 1)
        return commandLine.usageError(QCoreApplication::translate(
            "SetCommand", "give one of --value, --add, --subtract, --at-least, --at-most"));
    const QString columnName = commandLine.value(columnOption);
    change.column = PlayerColumns::names().indexOf(columnName.toLower());
    if (change.column < 0 || !BulkChange::columns().contains(change.column)) {
        const QString near = TableColumns::nearest(columnName);
        return commandLine.usageError(
            near.isEmpty()
                ? QCoreApplication::translate("SetCommand",
                                              "--column: \"%1\" is no column a change writes")
                      .arg(columnName)
                //: %2 is the name of the column nearest to the one given
                : QCoreApplication::translate("SetCommand",
                                              "--column: \"%1\" is no column a change writes (%2?)")
                      .arg(columnName, near));
    }
    if (const QString why = BulkChange::problem(change); !why.isEmpty())
        return commandLine.usageError(why);
    QString error;
    const auto filter = PlayerFilter::parse(commandLine.value(whereOption), &error);
    if (!filter)
        return commandLine.usageError(QStringLiteral("--where: ") + error);
    const bool withTeams = commandLine.positional().size() > 1;
    for (const int column : filter->columns())
        if (!withTeams &&
            TableColumns::all().at(size_t(column)).source != TableColumns::Source::Sheet)
            return commandLine.usageError(
                QCoreApplication::translate("SetCommand", "the column %1 needs the team file")
                    .arg(TableColumns::all().at(size_t(column)).name));

    const auto database = GameFile::read(commandLine.positional().at(0), &error);
    if (!database) {
        err(error);
        return Refused;
    }
    if (const QString problem = database->problem(PlayerSheet::databaseProblem);
        !problem.isEmpty()) {
        err(problem);
        return Refused;
    }
    QList<SquadTeam> teams;
    if (withTeams) {
        const auto teamFile = GameFile::read(commandLine.positional().at(1), &error);
        const QString problem = teamFile ? teamFile->problem(TeamSheet::teamFileProblem) : error;
        if (!problem.isEmpty()) {
            err(problem);
            return Refused;
        }
        const TeamNameLists lists = TeamNameTable::decode(teamFile->bytes);
        teams = SquadTeam::listed(lists.names, lists.teamIds);
    }

    PlayerTableData data;
    data.reset(database->bytes, teams);
    std::vector<int> records;
    for (int row = 0; row < data.rowCount(); ++row)
        if (filter->matches(data, row))
            records.push_back(row);
    const BulkChange::Plan plan = BulkChange::plan(database->bytes, records, change);
    if (!plan.ok()) {
        for (const QString& why : plan.refusals)
            err(why);
        err(QCoreApplication::translate("SetCommand", "Nothing was written."));
        return Refused;
    }
    out(plan.import.changes);
    for (const QString& note : plan.import.notes)
        out(QStringLiteral("note: ") + note);
    out(plan.summary(change));
    if (commandLine.isSet(dryRunOption)) {
        out(QStringLiteral("dry run: nothing was written"));
        return Done;
    }
    if (plan.import.patches.empty()) {
        out(QStringLiteral("nothing to change: no file was written"));
        return Done;
    }
    QStringList written;
    if (!writeGameFiles({{&*database, database->patched(plan.import.patches)}}, &written, &error)) {
        err(error);
        return Refused;
    }
    out(written);
    return Done;
}
