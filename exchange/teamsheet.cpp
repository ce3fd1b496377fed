#include "exchange/teamsheet.h"

#include "exchange/databasediff.h"
#include "exchange/sheetheader.h"
#include "sheetformats/cellvalue.h"
#include "sheetformats/csvreader.h"
#include "sheetformats/csvwriter.h"
#include "teamnames/teamnametable.h"

#include <QCoreApplication>

#include <algorithm>

namespace TeamSheet {

namespace {

using namespace TeamNameLayout;

enum Column { Position, Name, ShortName, TeamId, ColumnCount };

const QStringList& columnNames() {
    static const QStringList names{QStringLiteral("position"), QStringLiteral("name"),
                                   QStringLiteral("short_name"), QStringLiteral("team_id")};
    return names;
}

// What the team name editor shows for listed team `p`.
struct ShownTeam {
    QString name;
    QString shortName;
    QString teamId;
    bool hasShortEntry = false;
    qint64 nameOffset = 0;
    qint64 shortEntryOffset = 0;

    static ShownTeam at(const TeamNameLists& lists, int p) {
        ShownTeam team;
        team.name = lists.names.at(p);
        team.hasShortEntry = p < lists.shortNames.size();
        if (team.hasShortEntry) {
            team.shortName = lists.shortNames.at(p);
            team.teamId = lists.teamIds.at(p);
            team.shortEntryOffset = lists.shortEntryOffsets.at(p);
        }
        team.nameOffset = lists.nameOffsets.at(p).toLongLong();
        return team;
    }
    QString who(int p) const {
        return QStringLiteral("%1 %2 %3")
            .arg(p)
            .arg(teamId.isEmpty() ? QStringLiteral("-") : teamId, name);
    }
};

bool sameTeamId(const QString& shown, QByteArrayView cell) {
    if (cell.trimmed().isEmpty())
        return shown.isEmpty();
    const auto value = CellValue::wholeNumber(cell);
    return value && !shown.isEmpty() && *value == shown.toLongLong();
}

struct RenamedTeam {
    int position = 0;
    ShownTeam shown;
    QString name;
    QString shortName;
    std::vector<Patch> patches;
};

} // namespace

QString teamFileProblem(QByteArrayView teamFile) {
    const qint64 needed = std::max(longNamePassEnd, shortNamePassEnd);
    if (teamFile.size() >= needed)
        return {};
    return QCoreApplication::translate("TeamSheet",
                                       "The team file is too short: it has %1 bytes, but its team "
                                       "names end at byte %2.")
        .arg(teamFile.size())
        .arg(needed);
}

bool write(QByteArrayView teamFile, SheetWriter& out) {
    if (!teamFileProblem(teamFile).isEmpty())
        return false;
    const TeamNameLists lists = TeamNameTable::decode(teamFile);
    for (const QString& name : columnNames())
        out.text(name);
    out.endRow();
    for (int p = 0; p < lists.names.size(); ++p) {
        const ShownTeam team = ShownTeam::at(lists, p);
        out.number(p);
        out.text(team.name);
        out.text(team.shortName);
        if (team.teamId.isEmpty())
            out.text(QString());
        else
            out.number(team.teamId.toLongLong());
        out.endRow();
    }
    return true;
}

QByteArray write(QByteArrayView teamFile) {
    CsvWriter out;
    return write(teamFile, out) ? out.take() : QByteArray();
}

ImportPlan plan(QByteArrayView teamFile, QByteArrayView csv) {
    return plan(teamFile, CsvReader::parse(csv));
}

ImportPlan plan(QByteArrayView teamFile, const SheetTable& table) {
    SheetErrors errors;
    if (const QString problem = teamFileProblem(teamFile); !problem.isEmpty()) {
        errors.add(problem);
        return refusedPlan(errors);
    }
    const TeamNameLists lists = TeamNameTable::decode(teamFile);
    const SheetHeader header = SheetHeader::read(table, columnNames(), {Position}, errors);
    if (errors.count() > 0)
        return refusedPlan(errors);

    const int teamCount = int(lists.names.size());
    std::vector<int> rowOfTeam(size_t(teamCount), 0);
    std::vector<RenamedTeam> renamed;
    for (size_t r = 1; r < table.rows().size(); ++r) {
        const SheetTable::Row& row = table.rows()[r];
        if (!header.checkCellCount(row, errors))
            continue;
        const auto cellOf = [&](Column column) { return table.cell(row, header.cellOf(column)); };
        const auto position = CellValue::wholeNumber(cellOf(Position));
        if (!position || *position < 0 || *position >= teamCount) {
            errors.add(
                row.number, columnNames()[Position],
                QCoreApplication::translate("TeamSheet", "enter a team position from 0 to %1.")
                    .arg(teamCount - 1));
            continue;
        }
        const int p = int(*position);
        if (rowOfTeam[size_t(p)] != 0) {
            errors.add(row.number, columnNames()[Position],
                       QCoreApplication::translate("TeamSheet", "team %1 is on row %2 already.")
                           .arg(p)
                           .arg(rowOfTeam[p]));
            continue;
        }
        rowOfTeam[size_t(p)] = row.number;

        RenamedTeam team{p, ShownTeam::at(lists, p), {}, {}, {}};
        team.name = team.shown.name;
        team.shortName = team.shown.shortName;
        const auto readText = [&](Column column, QString& target) {
            if (!header.has(column))
                return;
            if (const auto text = CellValue::text(cellOf(column)))
                target = *text;
            else
                errors.add(row.number, columnNames()[column], CellValue::notUtf8());
        };
        readText(Name, team.name);
        readText(ShortName, team.shortName);
        if (header.has(TeamId) && !sameTeamId(team.shown.teamId, cellOf(TeamId)))
            errors.add(row.number, columnNames()[TeamId],
                       team.shown.teamId.isEmpty()
                           ? QCoreApplication::translate("TeamSheet",
                                                         "this team has no team ID to change; "
                                                         "leave the cell empty.")
                           : QCoreApplication::translate(
                                 "TeamSheet", "team IDs are not edited here; the team's is %1.")
                                 .arg(team.shown.teamId));

        QString refusal;
        if (team.name != team.shown.name) {
            if (const auto patches =
                    TeamNameTable::namePatches(team.shown.nameOffset, team.name, &refusal))
                team.patches = *patches;
            else
                errors.add(row.number, columnNames()[Name], refusal);
        }
        if (team.shortName != team.shown.shortName) {
            if (!team.shown.hasShortEntry)
                errors.add(row.number, columnNames()[ShortName],
                           QCoreApplication::translate(
                               "TeamSheet", "the team is listed past the end of the short names "
                                            "and has no short name that could be written."));
            else if (const auto patches = TeamNameTable::shortNamePatches(
                         team.shown.nameOffset, team.shown.shortEntryOffset, team.shortName,
                         &refusal))
                team.patches.insert(team.patches.end(), patches->begin(), patches->end());
            else
                errors.add(row.number, columnNames()[ShortName], refusal);
        }
        for (const Patch& patch : team.patches) {
            if (patch.offset + patch.bytes.size() > teamFile.size()) {
                errors.add(row.number, QCoreApplication::translate(
                                           "TeamSheet", "the team file ends at byte %1, before "
                                                        "this team's name entry does.")
                                           .arg(teamFile.size()));
                break;
            }
        }
        if (!team.patches.empty())
            renamed.push_back(std::move(team));
    }
    if (errors.count() > 0)
        return refusedPlan(errors);

    ImportPlan plan;
    plan.notes = table.notes();
    std::sort(renamed.begin(), renamed.end(),
              [](const RenamedTeam& a, const RenamedTeam& b) { return a.position < b.position; });
    QByteArray after = teamFile.toByteArray();
    for (const RenamedTeam& team : renamed) {
        for (const Patch& patch : team.patches) {
            // A part written as it is stored changes nothing, so it is left out.
            if (teamFile.sliced(patch.offset, patch.bytes.size()) == QByteArrayView(patch.bytes))
                continue;
            plan.patches.push_back(patch);
            after.replace(patch.offset, patch.bytes.size(), patch.bytes);
        }
    }
    // The changes are listed as the comparison of the two files will list them, from the bytes
    // written.
    if (!plan.patches.empty()) {
        const DatabaseDiff::Result changes = DatabaseDiff::teams(teamFile, after);
        plan.changes = changes.lines;
        plan.fieldCount = changes.fieldCount;
        plan.recordCount = changes.recordCount;
    }
    return plan;
}

} // namespace TeamSheet
