#pragma once

#include <QByteArrayView>
#include <QHash>
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
// other bytes of the record, and "file: bytes A-B ..." outside the records. Only records 0-6449
// are compared as players: the later ones lie under the roster table, which rosters() compares.
Result players(QByteArrayView before, QByteArrayView after);

// The roster tables of two player databases, squad by squad, in the words of a rosters sheet's
// import ("Austria: slot 3 Adam Adams (7) -> Boris Brown (7)", "Boris Brown: Brazil ->
// Austria"), a changed team ID as "roster record 5: team_id 100 -> 101", and any other bytes
// from the first record under the table on as "file: bytes A-B ...". Teams are named by
// `teamNames` (team ID -> name; a team it lacks as "team ID N"), players as the new database
// names them.
Result rosters(QByteArrayView before, QByteArrayView after,
               const QHash<qint32, QString>& teamNames);

// One record of a player database (its bytes from its start in each version): the lines that
// players() gives for it.
QStringList playerRecord(int index, QByteArrayView before, QByteArrayView after);

// Team files, by list position: "position team_id name: field old -> new" for name, short_name,
// team_id and name_entry_short_name (the short name Change name writes after the name slots),
// then "file: bytes A-B ..." for other bytes.
Result teams(QByteArrayView before, QByteArrayView after);

} // namespace DatabaseDiff
