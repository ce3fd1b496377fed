#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <optional>

// The players a squad may name: the player records before the roster table (0-6449) that the
// file holds whole, each player ID with the first record holding it, as the player list's walk
// from the top finds him. `database` (the whole working copy) must outlive the roll.
class PlayerRoll {
public:
    explicit PlayerRoll(QByteArrayView database);

    bool holds(qint32 id) const { return m_recordOf.contains(id); }
    std::optional<int> recordOf(qint32 id) const;
    // The name the player list shows; empty when no record holds the ID.
    QString name(qint32 id) const;

private:
    QByteArrayView m_database;
    QHash<qint32, int> m_recordOf;
};
