#include "playertable/tablecolumns.h"

#include "exchange/playercolumns.h"

#include <algorithm>
#include <numeric>

namespace TableColumns {

namespace {

using PlayerColumns::Kind;

std::vector<Column> build() {
    std::vector<Column> columns;
    const auto& sheet = PlayerColumns::all();
    for (size_t i = 0; i < sheet.size(); ++i) {
        const Kind kind = sheet[i].kind;
        const bool text = kind == Kind::Name || kind == Kind::ShirtName || kind == Kind::Foot ||
                          kind == Kind::Position;
        columns.push_back(
            {sheet[i].name, Source::Sheet, int(i), !text, kind != Kind::Index && kind != Kind::Id});
    }
    columns.push_back({QStringLiteral("teams"), Source::Teams, -1, false, false});
    columns.push_back({QStringLiteral("numbers"), Source::Numbers, -1, true, false});
    columns.push_back({QStringLiteral("squads"), Source::Squads, -1, true, false});
    return columns;
}

// Edits that turn one name into the other (insertions, deletions, replacements).
int distance(const QString& a, const QString& b) {
    std::vector<int> row(size_t(b.size()) + 1);
    std::iota(row.begin(), row.end(), 0);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[size_t(j)];
            row[size_t(j)] = std::min(
                {above + 1, row[size_t(j) - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

} // namespace

const std::vector<Column>& all() {
    static const std::vector<Column> columns = build();
    return columns;
}

int find(const QString& name) {
    const auto& columns = all();
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

QString nearest(const QString& name) {
    const QString wanted = name.toLower();
    QString best;
    int bestDistance = std::max<int>(2, int(wanted.size()) / 3) + 1;
    for (const Column& column : all()) {
        // A name that begins a column's ("pen" for penalty_stopper) is as near as can be.
        const int d = column.name.startsWith(wanted) && wanted.size() >= 3
                          ? 0
                          : distance(wanted, column.name);
        if (d < bestDistance) {
            bestDistance = d;
            best = column.name;
        }
    }
    return best;
}

} // namespace TableColumns
