#pragma once

#include "common/workingcopy.h"
#include "player/playerrecord.h"
#include "player/shownplayer.h"

#include <QString>
#include <QStringList>

#include <vector>

// What importing one row of players.csv does to its record: what the editor's controls and its
// three buttons would write, but only for the fields whose value in the row differs from what the
// view shows now. The row is what the controls hold in the end, so the rules the window runs while
// a control is edited (choosing a position checks its box, a new face proposes a hair) have no
// say: a cell the row leaves as shown stays, and importing the same sheet twice writes what it
// wrote once. Rules that tie bytes no column shows to the fields that change:
// - An ability slot is rewritten whole (value + 128 for the flag) when its value or its flag box
//   changes; "1-On-1 Stopper" is both slot 13's flag and bit 7 of the special-ability byte. The
//   box of the registered position a row moves away from shows checked without its flag; its
//   slot is rewritten with the flag, as Apply Abilities would, so that the box stays checked.
// - The special-ability byte is rewritten as the sum of its eight boxes when any of them
//   changes; "Penalty Stopper" also sets slot 29, "Long Throw" sets slot 30 (each through the
//   rule of Apply Abilities; a Long Throw byte that rule leaves alone is kept).
// - A changed face or hair rewrites the raw word as Relink does, with the base(s) that change.
// Where the view will not show what the row asks for (a Long Throw byte the rule keeps, the
// registered position's box, which the view always checks), the result says so in a note.
namespace PlayerRowEdit {

struct Refusal {
    int column = -1; // the column it names
    QString why;
};

struct Result {
    std::vector<Patch> patches;
    QByteArray record;             // the record once the patches are written (from its start)
    QStringList notes;             // where the view will differ from what the row asks for
    std::vector<Refusal> refusals; // every cell refused, in column order; empty: may be written
    bool ok() const { return refusals.empty(); }
};

// `record` holds the stored record (from its start), whose name offset is `nameOffset`;
// `wanted` is `shown` with the row's cells read into it.
Result apply(QByteArrayView record, qint64 nameOffset, const ShownPlayer& shown,
             const ShownPlayer& wanted);

} // namespace PlayerRowEdit
