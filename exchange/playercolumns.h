#pragma once

#include "player/shownplayer.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class SheetWriter;
class ByteChanges;

// The columns of players.csv: what each holds of the player view, how its cell is written, and
// how a cell is read back into the value the view would show.
namespace PlayerColumns {

enum class Kind {
    Index,
    Id,
    Name,
    ShirtName,
    Age,
    Height,
    Weight,
    Foot,
    Spacing,
    Position,
    Ability,
    Check,
    Face,
    Hair
};

struct Column {
    QString name;
    Kind kind;
    int detail = 0; // Ability: the slot; Check: the box (CheckN)
};

// Every column, in the sheet's order.
const std::vector<Column>& all();
// Their names, in the same order.
const QStringList& names();
// The position in all() of the column of `kind` (and `detail`), or -1.
int columnOf(Kind kind, int detail = 0);

// The cell of record `index` as the view shows it.
void write(SheetWriter& out, const Column& column, int index, const ShownPlayer& player);
QString text(const Column& column, int index, const ShownPlayer& player);
// The number the cell holds; empty for a text cell (names, the foot, a position the list has).
std::optional<qint64> number(const Column& column, int index, const ShownPlayer& player);

bool differs(const Column& column, const ShownPlayer& a, const ShownPlayer& b);

// Reads a cell into `player` (which holds what the view shows until then). Returns why the text
// is no value of the column, or an empty string. Index and ID are read by the sheet itself.
QString read(const Column& column, QByteArrayView cell, ShownPlayer& player);

// Marks the bytes of the record at name offset `nameOffset` that the column's value depends on,
// or that writing it rewrites along with it.
void cover(const Column& column, qint64 nameOffset, ByteChanges& changes);

} // namespace PlayerColumns
