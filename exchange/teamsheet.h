#pragma once

#include "exchange/importplan.h"
#include "sheetformats/sheettable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// teams.csv: position, name, short_name, team_id of every team the team name editor lists, in
// its order (a team listed past the end of the short names has an empty short name and team ID).
// Importing renames a team with the rules of "Change name", writing only the part that differs:
// the name slots when the name differs, the short name when it differs. Team IDs are not edited
// here: a changed one is refused.
class SheetWriter;

namespace TeamSheet {

// Why the bytes cannot be read as a team file, or an empty string.
QString teamFileProblem(QByteArrayView teamFile);

// The sheet of every listed team into `out`; false (and nothing written) when the team file is
// too short.
bool write(QByteArrayView teamFile, SheetWriter& out);
// The same as CSV; empty when the team file is too short.
QByteArray write(QByteArrayView teamFile);

// What importing `sheet` into `teamFile` would do. Rows are matched by `position`; they may come
// in any order and need not all be there. One refusal, and the plan has no patches at all.
ImportPlan plan(QByteArrayView teamFile, const SheetTable& sheet);
// The same for a CSV text.
ImportPlan plan(QByteArrayView teamFile, QByteArrayView csv);

} // namespace TeamSheet
