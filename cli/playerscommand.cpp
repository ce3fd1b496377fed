#include "cli/clioutput.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/gamefile.h"
#include "exchange/playersheet.h"
#include "exchange/teamsheet.h"
#include "playertable/playerfilter.h"
#include "playertable/playertabledata.h"
#include "playertable/tablecolumns.h"
#include "sheetformats/csvwriter.h"
#include "sheetformats/tsvwriter.h"
#include "teamnames/teamnametable.h"

#include <QCoreApplication>

#include <numeric>

using namespace CliOutput;

namespace {

QString help() {
    return QCoreApplication::translate(
        "PlayersCommand", R"help(usage: rosterly-cli players PLAYER_DB [TEAM_FILE] [--where FILTER]
                            [--columns A,B,...] [--sort [-]COLUMN[,...]] [--format tsv|csv]

Prints the players of PLAYER_DB (records 0-6449, the rows of the players sheet) that FILTER lets
through: a header row, then one row per player, tab-separated (--format csv: as the players
sheet writes its cells). The columns are those of the players sheet, and with TEAM_FILE also
teams (the squads the player is in), numbers (his shirt numbers there) and squads (how many).

  --where FILTER     terms separated by blanks, all of which must hold; a term is COLUMN OP
                     VALUE with OP one of = != < <= > >= ~ (contains, ignoring case and
                     accents): speed>=85 position=CF,SS teams~"real madrid" squads=0 age<21.
                     A word alone searches the names. Values are those the sheet shows.
  --columns A,B,...  the columns to print, in that order (all when not given)
  --sort COLUMN,...  the order of the rows: by the first column, rows of equal values by the
                     next; -COLUMN for the highest first. Numbers sort as numbers.
  --format tsv|csv   tsv (the default) or csv

Exit status: 0 done (also when no player matches), 1 a file cannot be read, 2 wrong usage or a
wrong filter.)help");
}

int columnsNeedingTeams(const QList<int>& columns) {
    for (const int column : columns)
        if (TableColumns::all().at(size_t(column)).source != TableColumns::Source::Sheet)
            return column;
    return -1;
}

// The columns a comma list names; empty after saying which name is unknown.
std::optional<QList<int>> columnList(const CommandLine& commandLine, const QString& list,
                                     const QString& option, QList<bool>* descending, int* status) {
    QList<int> columns;
    for (QString name : list.split(u',', Qt::SkipEmptyParts)) {
        name = name.trimmed();
        const bool down = descending && name.startsWith(u'-');
        if (down)
            name.remove(0, 1);
        const int column = TableColumns::find(name);
        if (column < 0) {
            const QString near = TableColumns::nearest(name);
            *status = commandLine.usageError(
                near.isEmpty()
                    ? QCoreApplication::translate("PlayersCommand", "%1: unknown column \"%2\"")
                          .arg(option, name)
                    //: %3 is the name of the column nearest to the one given
                    : QCoreApplication::translate("PlayersCommand",
                                                  "%1: unknown column \"%2\" (%3?)")
                          .arg(option, name, near));
            return std::nullopt;
        }
        columns << column;
        if (descending)
            *descending << down;
    }
    return columns;
}

} // namespace

int playersCommand(const QStringList& arguments) {
    CommandLine commandLine(QStringLiteral("players"), help(), 1, 2);
    const QCommandLineOption whereOption(QStringLiteral("where"), QString(),
                                         QStringLiteral("FILTER"));
    const QCommandLineOption columnsOption(QStringLiteral("columns"), QString(),
                                           QStringLiteral("LIST"));
    const QCommandLineOption sortOption(QStringLiteral("sort"), QString(), QStringLiteral("LIST"));
    const QCommandLineOption formatOption(QStringLiteral("format"), QString(),
                                          QStringLiteral("FORMAT"), QStringLiteral("tsv"));
    for (const QCommandLineOption& option : {whereOption, columnsOption, sortOption, formatOption})
        commandLine.addOption(option);
    if (const auto status = commandLine.parse(arguments))
        return *status;
    const QString format = commandLine.value(formatOption).toLower();
    if (format != QStringLiteral("tsv") && format != QStringLiteral("csv"))
        return commandLine.usageError(
            QCoreApplication::translate("PlayersCommand", "--format is tsv or csv, not \"%1\"")
                .arg(format));
    QString error;
    const auto filter = PlayerFilter::parse(commandLine.value(whereOption), &error);
    if (!filter)
        return commandLine.usageError(QStringLiteral("--where: ") + error);
    int status = Done;
    const bool withTeams = commandLine.positional().size() > 1;
    QList<int> columns(TableColumns::count() - (withTeams ? 0 : 3));
    std::iota(columns.begin(), columns.end(), 0);
    if (commandLine.isSet(columnsOption)) {
        const auto chosen = columnList(commandLine, commandLine.value(columnsOption),
                                       QStringLiteral("--columns"), nullptr, &status);
        if (!chosen)
            return status;
        columns = *chosen;
    }
    QList<bool> descending;
    const auto sortColumns = columnList(commandLine, commandLine.value(sortOption),
                                        QStringLiteral("--sort"), &descending, &status);
    if (!sortColumns)
        return status;
    if (!withTeams) {
        const int needs = columnsNeedingTeams(columns + filter->columns() + *sortColumns);
        if (needs >= 0)
            return commandLine.usageError(
                QCoreApplication::translate("PlayersCommand",
                                            "the column %1 needs the team file: rosterly-cli "
                                            "players PLAYER_DB TEAM_FILE ...")
                    .arg(TableColumns::all().at(size_t(needs)).name));
    }

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
    std::vector<int> rows;
    for (int row = 0; row < data.rowCount(); ++row)
        if (filter->matches(data, row))
            rows.push_back(row);
    // Sorted by the last key first: each stable sort keeps the order of the keys before it.
    for (qsizetype key = sortColumns->size() - 1; key >= 0; --key)
        data.sort(rows, sortColumns->at(key), descending.at(key));

    const auto fill = [&](SheetWriter& sheet) {
        for (const int column : columns)
            sheet.text(TableColumns::all().at(size_t(column)).name);
        sheet.endRow();
        for (const int row : rows) {
            for (const int column : columns)
                data.write(sheet, row, column);
            sheet.endRow();
        }
    };
    if (format == QStringLiteral("csv")) {
        CsvWriter sheet;
        fill(sheet);
        raw(sheet.take().mid(3)); // without the byte-order mark, which a file has
    } else {
        TsvWriter sheet;
        fill(sheet);
        raw(sheet.take().toUtf8());
    }
    return Done;
}
