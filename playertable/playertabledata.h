#pragma once

#include "common/workingcopy.h"
#include "player/shownplayer.h"
#include "teams/squad.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

// The players of a database as the player table, its filter and the command line see them: one
// row per record a sheet holds (records 0-6449), each shown as the player view shows it, with the
// squads he is in. A row is decoded when first asked for, not before, and kept until the bytes of
// its record change.
class SheetWriter;

class PlayerTableData {
public:
    // A squad the player is in: the team's name (as the team file lists it first) and his number.
    struct Place {
        QString team;
        int shirtNumber = 0;
    };

    // `database` is the whole working copy; `teams` the team file's teams with a team ID, in list
    // order (none: no one is in a squad).
    void reset(QByteArray database, QList<SquadTeam> teams);
    // After a write of these stretches into the working copy, or a change of the team file's
    // teams: only the rows whose record or squads they touch are read again. Returns those rows,
    // in order.
    std::vector<int> written(const std::vector<Patch>& stretches);
    std::vector<int> setTeams(QList<SquadTeam> teams);

    int rowCount() const { return m_rows; }
    const QByteArray& database() const { return m_database; }
    const ShownPlayer& player(int row) const;
    const QList<Place>& placesOf(int row) const;

    // A column's value in a row as the players sheet shows it (the list columns with ", " between
    // the squads); the number of a number column, or of a position the position list lacks.
    QString text(int row, int column) const;
    // The cell as a sheet writes it: a number cell as a number, names with the protection a CSV
    // sheet gives texts a spreadsheet program would take for something else.
    void write(SheetWriter& out, int row, int column) const;
    std::optional<qint64> number(int row, int column) const;
    // The texts or numbers of `teams` and `numbers`, one per squad.
    QStringList teams(int row) const;
    QList<qint64> shirtNumbers(int row) const;

    // Puts `rows` in the order of a column, keeping the order they had among rows of equal
    // values (so that sorting by team and then by position orders by position, and by team within
    // each): numbers as numbers, texts without regard to case and accents, positions in the order
    // of the position list.
    void sort(std::vector<int>& rows, int column, bool descending) const;

private:
    struct SortKey {
        qint64 number = 0;
        QString text;
    };
    void readSquads();
    // Reads the squads again and adds the rows whose squads differ now to `changed`.
    void rereadSquads(std::vector<int>& changed);
    SortKey keyOf(int row, int column) const;
    friend bool operator<(const SortKey& a, const SortKey& b) {
        return a.number != b.number ? a.number < b.number : a.text < b.text;
    }

    QByteArray m_database;
    QList<SquadTeam> m_teams;
    int m_rows = 0;
    mutable std::vector<std::optional<ShownPlayer>> m_players;
    QHash<qint32, QList<Place>> m_places; // by player ID
};
