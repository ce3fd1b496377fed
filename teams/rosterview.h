#pragma once

#include "app/form1context.h"

#include <QHash>
#include <QObject>

#include <functional>

// The read-only team view: the roster of the team chosen in `timovi_lista`, as shirt numbers in
// `List4` beside player names in `List2`, and "Team: " with the team's name.
class RosterView : public QObject {
    Q_OBJECT
public:
    // `teamIds` gives the team name editor's team IDs, paired by position with the chooser.
    RosterView(Form1Context context, std::function<QStringList()> teamIds);

    void showTeam(int chooserPosition);

private:
    // Adds a row for the player with this ID, if he is in the player list.
    void addRosterRow(qint32 playerId, int shirtNumber, const QHash<qint32, int>& firstPosition);

    Form1Context m;
    std::function<QStringList()> m_teamIds;
};
