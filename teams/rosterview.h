#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class GameFileSession;
class PlayerLists;
class QComboBox;
class QLabel;
class QListWidget;

// The controls of the team view.
struct RosterViewControls {
    QComboBox* timovi_lista = nullptr; // the team chooser
    QListWidget* List2 = nullptr;      // player names
    QListWidget* List4 = nullptr;      // shirt numbers
    QLabel* Label13 = nullptr;         // "Team: " and the team's name
    QComboBox* transferto = nullptr;   // follows the chooser
};

// The read-only team view: the roster of the team chosen in `timovi_lista`, as shirt numbers in
// `List4` beside player names in `List2`, and "Team: " with the team's name, which follows a change
// of language.
class RosterView : public QObject {
    Q_OBJECT
public:
    // `teamIds` gives the team name editor's team IDs, paired by position with the chooser.
    RosterView(const RosterViewControls& controls, PlayerLists& lists,
               const GameFileSession& session, std::function<QStringList()> teamIds);

    void showTeam(int chooserPosition);

protected:
    bool event(QEvent* event) override;

private:
    // "Team: " and the name of the team chosen, in the language shown now.
    void showTeamName();
    // Adds a row for the player with this ID, if he is in the player list.
    void addRosterRow(qint32 playerId, int shirtNumber);

    RosterViewControls c;
    PlayerLists& m_lists;
    const GameFileSession& m_session;
    std::function<QStringList()> m_teamIds;
};
