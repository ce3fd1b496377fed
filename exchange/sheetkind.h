#pragma once

#include "sheetformats/sheettable.h"

// Which sheet a file is, told from its header row, so that one "Import Sheet…" takes any:
// players.csv has an `index` column, teams.csv a `position` column and no `index`, rosters.csv
// `team_id`, `slot` and `player_id`.
enum class SheetKind { Players, Teams, Rosters, Unknown };

SheetKind sheetKindOf(const SheetTable& sheet);
