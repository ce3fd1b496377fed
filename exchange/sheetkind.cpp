#include "exchange/sheetkind.h"

#include "exchange/rostersheet.h"
#include "sheetformats/cellvalue.h"

SheetKind sheetKindOf(const SheetTable& table) {
    if (table.rows().empty())
        return SheetKind::Unknown;
    QStringList names;
    const SheetTable::Row& header = table.rows().front();
    for (int cell = 0; cell < header.cellCount; ++cell)
        names << CellValue::text(table.cell(header, cell)).value_or(QString()).trimmed();
    if (names.contains(QStringLiteral("index"), Qt::CaseInsensitive))
        return SheetKind::Players;
    if (RosterSheet::isRosterHeader(names))
        return SheetKind::Rosters;
    if (names.contains(QStringLiteral("position"), Qt::CaseInsensitive))
        return SheetKind::Teams;
    return SheetKind::Unknown;
}
