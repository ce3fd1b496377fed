#pragma once

#include "teams/squad.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QWidget>

#include <functional>
#include <optional>

class GameFileSession;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class WindowTitle;

// The squad window: two squads side by side, each chosen from the team file's teams or the free
// agents (the players of records 0-6449 that no listed team's squad holds). Its buttons ask the
// squad rules for the change and hand the patches to the session as one step of the main window's
// history; a refusal is shown in words and nothing is written.
//
// "Transfer →" and "← Transfer" move the player selected on one side into the other side's squad
// (into the free agents: out of his squad; out of the free agents: into the squad). "Call up →"
// puts the player selected on the left into the right squad as well. "Swap" changes the places of
// the two players selected. "Release", "Move Up" and "Move Down" act on the player selected in the
// table clicked last, left or right. A shirt number is changed in its cell. A player dragged from
// one table onto the other is transferred as by the Transfer button.
class SquadEditor : public QWidget {
    Q_OBJECT
public:
    // `teams` gives the team file's teams with a team ID, in list order.
    SquadEditor(GameFileSession& session, std::function<QList<SquadTeam>()> teams,
                QWidget* parent = nullptr);

    // Reads the working copy and the teams again and shows both squads, keeping the teams chosen
    // and the players selected where they still are.
    void showAgain();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum Side { Left, Right };
    struct Player {
        QString name;
        int positionEntry = -1; // the registered position's entry, -1 when the code selects none
        int positionCode = 0;   // the registered position's code, shown when it selects no entry
        QString searchForm;     // the name as the search compares it
    };

    // Every caption in the language shown, and the texts the squads shown are made of again.
    void setTexts();
    // Reads the working copy, the teams and who is in which squad; false (and says why) when the
    // working copy cannot be read.
    bool readAll();
    void fillChoosers();
    void showSquad(Side side);
    // The team chosen on a side; empty for the free agents.
    std::optional<qint32> teamOf(Side side) const;
    // The ID of the player selected on a side; empty when none is.
    std::optional<qint32> selectedPlayer(Side side) const;
    // The player selected on the side, or a message saying that one has to be.
    std::optional<qint32> requirePlayer(Side side);
    QString playerName(qint32 id) const;
    QString teamName(qint32 id) const;

    void transfer(Side from);
    void callUp();
    void release();
    void swap();
    void moveSelected(int step); // up (-1) or down (+1) in his squad
    void shirtNumberEdited(Side side, int row);
    void searchChanged(const QString& text);
    void searchChosen(int row);

    // Asks the rules (over the working copy as it is now) for a change and writes it as one step.
    // True when written.
    bool change(const std::function<SquadChange(const SquadRules&)>& rule, const QString& label);
    void selectPlayer(Side side, qint32 id);

    GameFileSession& m_session;
    std::function<QList<SquadTeam>()> m_teams;
    WindowTitle* m_title = nullptr;
    QPushButton* m_transferRight = nullptr;
    QPushButton* m_transferLeft = nullptr;
    QPushButton* m_callUpRight = nullptr;
    QPushButton* m_release = nullptr;
    QPushButton* m_swap = nullptr;
    QPushButton* m_moveUp = nullptr;
    QPushButton* m_moveDown = nullptr;
    QLabel* m_searchLabel = nullptr;
    QComboBox* m_choosers[2] = {};
    QTableWidget* m_tables[2] = {};
    QLineEdit* m_search = nullptr;
    QListWidget* m_results = nullptr;
    Side m_active = Left; // the table clicked last
    bool m_filling = false;
    bool m_placed = false;

    QByteArray m_database;
    QList<SquadTeam> m_teamList;
    QHash<qint32, QString> m_teamNames;      // the first listed team of each ID
    QHash<qint32, Player> m_players;         // by ID, the first record 0-6449 of each
    QList<qint32> m_playerOrder;             // the IDs of records 0-6449, each once, in order
    QHash<qint32, QList<qint32>> m_squadsOf; // player ID -> the listed teams that hold him
};
