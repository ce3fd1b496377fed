#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The differences between two versions of a game file, as the editor shows them: one line per
// field, in the same form as an import's changes. Bytes that differ outside every reported field
// get lines of their own, so nothing that differs goes unmentioned.
namespace DatabaseDiff {

struct Result {
    QStringList lines;
    int fieldCount = 0;  // lines about a field or bytes
    int recordCount = 0; // players or teams with at least one line
    QString error;       // a file that cannot be read as its kind; then no lines
};

// Player databases, record by record: "index id name: field old -> new" with the columns of
// players.csv, then "index id name: bytes A-B old -> new" (offsets from the record start) for
// other bytes of the record, and "file: bytes A-B ..." outside the records.
Result players(QByteArrayView before, QByteArrayView after);

// One record of a player database (its bytes from its start in each version): the lines that
// players() gives for it.
QStringList playerRecord(int index, QByteArrayView before, QByteArrayView after);

// Team files, by list position: "position team_id name: field old -> new" for name, short_name,
// team_id and name_entry_short_name (the short name Change name writes after the name slots),
// then "file: bytes A-B ..." for other bytes.
Result teams(QByteArrayView before, QByteArrayView after);

} // namespace DatabaseDiff
