#pragma once

#include <QObject>

class GameFileSession;
class QAction;
class QEvent;
class QMenu;
class QMenuBar;

// A window's Edit menu: Undo and Redo of the writes into its game file's working copy, named after
// the step they would take back or do again. A child of the menu bar, it hears of a change of
// language through it and names its entries again.
class EditMenu : public QObject {
    Q_OBJECT
public:
    // Adds the menu to `bar`, before `before` (at the end when null).
    EditMenu(QMenuBar& bar, QAction* before, GameFileSession& session);

protected:
    bool event(QEvent* event) override;

private:
    void setTexts();
    void update();

    GameFileSession& m_session;
    QMenu* m_menu;
    QAction* m_undo;
    QAction* m_redo;
};
