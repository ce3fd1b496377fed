#pragma once

#include "exchange/importplan.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <vector>

// One column of many players changed at once: set to a value, raised or lowered by a number, or
// (abilities) raised to at least or capped at most at a number. Every resulting value is written
// exactly as a sheet import of that cell would write it (PlayerCells), so that a bulk change and
// the same values imported from a sheet give the same bytes. Adding and subtracting clamp to the
// field's limits instead of refusing: abilities to 1-99 (a stored value above 99 stays when the
// change would not lower it), the other numbers to the range their box accepts. Records from the
// roster table's start on are never written.
namespace BulkChange {

enum class Mode { Set, Add, Subtract, AtLeast, AtMost };

struct Change {
    int column = 0; // in PlayerColumns::all()
    Mode mode = Mode::Set;
    QString value; // the value to set, or the number to add, subtract, raise to or cap at
};

struct Plan {
    ImportPlan import;    // the patches, the change lines as the import lists them, the notes
    int changed = 0;      // players whose value changes (the clamped ones among them)
    int clamped = 0;      // players whose result was held at a limit
    int already = 0;      // players already at the value the change gives
    QString limit;        // the limit the clamped ones were held at
    QStringList refusals; // why the change cannot be written; then no patches
    bool ok() const { return refusals.isEmpty(); }
    // "97 players change, 12 clamped to 99, 11 already 99"
    QString summary(const Change& change) const;
};

// The columns a bulk change can write (PlayerColumns::all() positions), and the changes each
// takes: every one can be set; numbers can be raised and lowered; abilities also raised to at
// least or capped at most at a number.
QList<int> columns();
QList<Mode> modes(int column);
// The change's name in words: "Set to", "Add", "Subtract", "Set at least", "Set at most".
QString modeName(Mode mode);
// The undo step's name: "Change speed +5 (97 players)".
QString label(const Change& change, int players);

// Why the change itself cannot be made (its number is none, or out of the field's range, or the
// column does not take the mode); empty when it can.
QString problem(const Change& change);

// What the change does to `records` of `database` (the whole player database). `listedChanges`
// limits the change lines worked out (-1: all of them), for a preview that shows the first few.
Plan plan(QByteArrayView database, const std::vector<int>& records, const Change& change,
          int listedChanges = -1);

} // namespace BulkChange
