#pragma once

#include "exchange/importplan.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// players.csv: one row per record of the player index, showing the record exactly as the player
// view does (the columns are PlayerColumns::all()). Importing a row does what editing the view's
// controls and pressing Apply Changes, Apply Abilities and Relink would do, for the fields whose
// cell differs from what the view shows now (PlayerRowEdit); a sheet exported and imported
// untouched changes no byte.
namespace PlayerSheet {

// Why the bytes cannot be read as a player database, or an empty string.
QString databaseProblem(QByteArrayView database);

// The sheet of every record, in index order; empty when the database is too short.
QByteArray write(QByteArrayView database);

// What importing `csv` into `database` would do. Rows are matched by `index` and must carry the
// record's `id`; they may come in any order and need not all be there, and a missing column
// leaves its field as it is. Every cell is checked first: one refusal, and the plan has no
// patches at all.
ImportPlan plan(QByteArrayView database, QByteArrayView csv);

} // namespace PlayerSheet
