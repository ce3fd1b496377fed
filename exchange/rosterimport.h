#pragma once

#include "exchange/importplan.h"
#include "sheetformats/sheettable.h"

#include <QByteArrayView>

// rosters.csv (or .xlsx) back into the roster table: each team the sheet names gets exactly the
// squad its rows give, in slot order, with the shirt numbers given; the names in it are for
// reading and are not imported. The squad rules hold for every squad: a player at most once,
// shirt numbers 1-99 and each worn once, at most 32 players (slots 0-31). A team whose rows show
// what the export shows changes nothing; the squad of a team that changes is written whole, its
// players in the first slots and empty slots after them.
namespace RosterImport {

// What importing `sheet` would do to the roster table of `database`, with the teams of
// `teamFile`. One refused cell, and the plan has no patches at all.
ImportPlan plan(QByteArrayView database, QByteArrayView teamFile, const SheetTable& sheet);

} // namespace RosterImport
