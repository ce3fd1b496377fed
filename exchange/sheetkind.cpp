#include "exchange/sheetkind.h"

#include "exchange/cellvalue.h"
#include "exchange/csvreader.h"

SheetKind sheetKindOf(QByteArrayView csv) {
    const CsvTable table = CsvTable::parse(csv);
    if (table.rows().empty())
        return SheetKind::Unknown;
    bool index = false;
    bool position = false;
    const CsvTable::Row& header = table.rows().front();
    for (int cell = 0; cell < header.cellCount; ++cell) {
        const QString name = CellValue::text(table.cell(header, cell)).value_or(QString());
        index = index || name.trimmed().compare(QStringLiteral("index"), Qt::CaseInsensitive) == 0;
        position = position ||
                   name.trimmed().compare(QStringLiteral("position"), Qt::CaseInsensitive) == 0;
    }
    return index ? SheetKind::Players : position ? SheetKind::Teams : SheetKind::Unknown;
}
