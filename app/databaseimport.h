#pragma once

#include "exchange/databasemerge.h"
#include "playertable/playertabledata.h"
#include "shell/gamefilesession.h"

#include <QByteArray>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QWidget>

#include <functional>

class Platform;
class QCheckBox;
class QEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

// File > "Import from Another Database…": players, squads and team names taken from a second pair
// of game files. The window lists the players whose values differ, each with the parts that
// differ and the changes as the comparison words them, and the squads and team names that would
// change; check boxes choose the parts and the players, a filter of the player table's language
// the players of this database. "Import" writes it all as one step of each window's history it
// touches.
class DatabaseImport : public QWidget {
    Q_OBJECT
public:
    struct Sessions {
        GameFileSession& players;
        QPointer<GameFileSession> teams; // null when no team file is loaded
        // Loads the lists of both windows again after the import or its undo.
        std::function<void()> reload;
    };
    struct Other {
        QString database; // the paths, for the window and the step's names
        QString teamFile; // empty: none
        QByteArray databaseBytes;
        QByteArray teamFileBytes;
    };

    DatabaseImport(Platform& platform, Sessions sessions, Other other, QWidget* parent = nullptr);

    // Asks for the other player database and, optionally, its team file, reads them in memory
    // and opens the window on them; null when cancelled or refused (after saying why).
    static DatabaseImport* ask(Platform& platform, Sessions sessions, QWidget* parent);

    const DatabaseMerge::Plan& plan() const { return m_plan; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void setTexts();
    void replan();
    void filterTyped(const QString& text);
    void showPlan();
    void showSummary();
    bool import();
    int checkedPlayers() const;
    // The records of the players whose check box is cleared.
    QSet<int> leftOutRecords() const;

    Platform& m_platform;
    Sessions m_sessions;
    Other m_other;
    QByteArray m_database;
    QByteArray m_teamFile;
    PlayerTableData m_rows;
    std::optional<std::vector<int>> m_filtered; // records the filter lets through; empty: all
    DatabaseMerge::Plan m_plan;
    bool m_planned = false;

    QLabel* m_take;
    QCheckBox* m_parts[5] = {};
    QLabel* m_filterLabel;
    QLineEdit* m_filter;
    QLabel* m_filterProblem;
    QTreeWidget* m_players;
    QPlainTextEdit* m_teams;
    QLabel* m_summary;
    QPushButton* m_import;
};
