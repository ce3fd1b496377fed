#pragma once

#include "exchange/importplan.h"
#include "exchange/playerrowedit.h"
#include "sheetformats/sheettable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class SheetWriter;

// players.csv: one row per record the editor can write (records 0-6449; the later ones lie under
// the roster table), showing the record exactly as the player view does (the columns are
// PlayerColumns::all()). Importing a row does what editing the view's
// controls and pressing Apply Changes, Apply Abilities and Relink would do, for the fields whose
// cell differs from what the view shows now (PlayerRowEdit); a sheet exported and imported
// untouched changes no byte.
namespace PlayerSheet {

// Why the bytes cannot be read as a player database, or an empty string.
QString databaseProblem(QByteArrayView database);

// The sheet of every editable record, in index order, into `out`; false (and nothing written)
// when the database is too short.
bool write(QByteArrayView database, SheetWriter& out);
// The same as CSV; empty when the database is too short.
QByteArray write(QByteArrayView database);

// What importing `sheet` into `database` would do. Rows are matched by `index` and must carry
// the record's `id`; they may come in any order and need not all be there, and a missing column
// leaves its field as it is. A row naming a record under the roster table is refused. Every cell
// is checked first: one refusal, and the plan has no patches at all.
ImportPlan plan(QByteArrayView database, const SheetTable& sheet);
// The same for a CSV text.
ImportPlan plan(QByteArrayView database, QByteArrayView csv);

// Adds one record's edit to a plan as an import adds it: its changes listed as the comparison of
// the two databases lists them (or only counted, when `listChanges` is false), its notes, and
// the patches that change a byte.
void addRecord(ImportPlan& plan, int index, const ShownPlayer& shown,
               const PlayerRowEdit::Result& edit, QByteArrayView database, bool listChanges = true);

} // namespace PlayerSheet
