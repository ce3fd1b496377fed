#pragma once

#include "teams/squad.h"

#include <QList>
#include <QWidget>

#include <functional>

class GameFileSession;
class PlayerTableModel;
class QComboBox;
class QLabel;
class QMenu;
class QTableView;
class WindowTitle;

// The player table: every player of the database in one grid (records 0-6449, the rows a sheet
// holds), sortable by each column, filtered by the filter language as the user types, and edited
// in place with the rules of a sheet import of that one cell. Each edit is one step of the main
// window's history; the grid follows every write of the session, re-reading only the records the
// write touched. Its columns, their order and widths, and the filters used recently are kept
// between runs (EditorSettings).
class PlayerTableWindow : public QWidget {
    Q_OBJECT
public:
    struct MainWindow {
        // The team file's teams with a team ID, in list order.
        std::function<QList<SquadTeam>()> teams;
        // Shows the player of a record in the main window (selects him in its player list).
        std::function<void(int record)> showPlayer;
        // A write of the table changed the record: the main window shows it again if it shows it.
        std::function<void(int record)> playerChanged;
    };

    PlayerTableWindow(GameFileSession& session, MainWindow mainWindow, QWidget* parent = nullptr);
    ~PlayerTableWindow() override;

    // Reads the working copy and the teams anew (after a Load).
    void reload();
    // The team file's teams changed (a rename, a Load of the team file).
    void teamsChanged();

    PlayerTableModel& model() { return *m_model; }

protected:
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setTexts();
    void listTeams(const QList<SquadTeam>& teams);
    void filterTyped(const QString& text);
    void rememberFilter();
    void teamChosen(int index);
    void positionChosen(int index);
    void showCount();
    void headerMenu(const QPoint& at);
    void copyCells();
    void cellDoubleClicked(const QModelIndex& index);
    bool editCell(int record, int column, const QString& text);
    // "Change Field…" on the selected rows, or on every row the filter shows when none is.
    void bulkEdit();
    // Ctrl+V: tab-separated cells from the clipboard into the grid from the current cell on.
    void paste();
    void gridMenu(const QPoint& at);
    // Writes the patches as one step named `label`, or says why not (`refusal`, a save going);
    // the main window shows the records again.
    bool write(const std::vector<Patch>& patches, const QString& label,
               const QString& refusal = {});
    void saveSettings() const;
    void restoreSettings();

    GameFileSession& m_session;
    MainWindow m_main;
    WindowTitle* m_title;
    PlayerTableModel* m_model;
    QTableView* m_grid;
    QLabel* m_filterLabel;
    QComboBox* m_filter;
    QComboBox* m_team;
    QComboBox* m_position;
    QLabel* m_count;
    QLabel* m_problem;
    QAction* m_bulkEdit;
    QMenu* m_tableMenu;
    bool m_placed = false;
};
