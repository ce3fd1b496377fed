// Sheets of any bytes: the first byte picks the reader (CSV in whatever encoding it takes the
// bytes to be in, or an .xlsx workbook), and what it reads is planned as an import into the
// sample player database and team file, which must never write without a plan that is sound.
#include "exchange/playersheet.h"
#include "exchange/rosterimport.h"
#include "exchange/sheetkind.h"
#include "exchange/teamsheet.h"
#include "sheetformats/sheetfile.h"
#include "teams/rosterlayout.h"
#include "tools/samplebuilder.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QByteArray database = SampleBuilder::playerDatabase();
    static const QByteArray teamFile = SampleBuilder::teamFile();
    if (size < 1)
        return 0;
    const QString name =
        data[0] % 2 == 0 ? QStringLiteral("sheet.csv") : QStringLiteral("sheet.xlsx");
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const SheetTable sheet = SheetFile::read(name, bytes);
    if (!sheet.error().isEmpty() && !sheet.rows().empty())
        std::abort(); // a refused sheet has no rows
    for (const SheetTable::Row& row : sheet.rows())
        for (int cell = 0; cell < row.cellCount; ++cell)
            (void)sheet.cell(row, cell);
    const SheetKind kind = sheetKindOf(sheet);
    const ImportPlan plan = kind == SheetKind::Teams ? TeamSheet::plan(teamFile, sheet)
                            : kind == SheetKind::Rosters
                                ? RosterImport::plan(database, teamFile, sheet)
                                : PlayerSheet::plan(database, sheet);
    if (!plan.ok() && !plan.patches.empty())
        std::abort(); // a refusal writes nothing
    const QByteArray& target = kind == SheetKind::Teams ? teamFile : database;
    // A rosters sheet writes inside the roster table only.
    const qint64 lowest = kind == SheetKind::Rosters ? RosterLayout::tableStart : 0;
    for (const Patch& patch : plan.patches)
        if (patch.offset < lowest || patch.offset + patch.bytes.size() > target.size())
            std::abort();
    return 0;
}
