#pragma once

#include <QString>

#include <vector>

// The player table's columns: those of the players sheet, in its order, and then three that the
// squads give: `teams` (the names of the squads the player is in, in roster-table order),
// `numbers` (his shirt numbers there, in the same order) and `squads` (how many they are).
namespace TableColumns {

enum class Source { Sheet, Teams, Numbers, Squads };

struct Column {
    QString name;
    Source source = Source::Sheet;
    int sheetColumn = -1; // in PlayerColumns::all(), for Source::Sheet
    bool numbers = false; // holds numbers (for `teams`: texts), compared and sorted as numbers
    bool editable = false;
};

const std::vector<Column>& all();
inline int count() {
    return int(all().size());
}
// The column of that name, in any letter case; -1 when there is none.
int find(const QString& name);
// The known column nearest to a misspelt name, for a suggestion; empty when none is near.
QString nearest(const QString& name);

} // namespace TableColumns
