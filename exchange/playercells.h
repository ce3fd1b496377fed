#pragma once

#include "exchange/playerrowedit.h"
#include "player/shownplayer.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

// Values written into some cells of one player record, exactly as a sheet import of a row holding
// those cells writes them: each cell is read by its column's rule, then the row is written by the
// import's row rules (PlayerRowEdit). The grid's cell edits, pastes and bulk changes go through
// here, so that they and the import give the same bytes for the same values.
namespace PlayerCells {

struct Cell {
    int column = 0; // in PlayerColumns::all()
    QString text;   // as a sheet's cell would hold it
};

struct Result {
    PlayerRowEdit::Result edit;                  // the patches, the record after them and the notes
    QStringList refusals;                        // "<column>: <why>", every cell refused
    std::vector<PlayerRowEdit::Refusal> refused; // the same by column (-1: the record itself)
    bool ok() const { return refusals.isEmpty(); }
};

// `database` holds at least the player table. Records from the roster table's start on are
// refused as the import refuses them; so are the index and ID columns, which are no values.
Result plan(QByteArrayView database, int index, const std::vector<Cell>& cells);
// The same with the record as the view shows it already at hand.
Result plan(QByteArrayView database, int index, const ShownPlayer& shown,
            const std::vector<Cell>& cells);

} // namespace PlayerCells
