#pragma once

#include <QByteArrayView>

// Which sheet a CSV text is, told from its header row, so that one "Import from CSV…" takes
// either: players.csv has an `index` column, teams.csv a `position` column and no `index`.
enum class SheetKind { Players, Teams, Unknown };

SheetKind sheetKindOf(QByteArrayView csv);
