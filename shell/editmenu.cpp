#include "shell/editmenu.h"

#include "shell/gamefilesession.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

EditMenu::EditMenu(QMenuBar& bar, QAction* before, GameFileSession& session)
    : QObject(&bar), m_session(session), m_menu(new QMenu(QStringLiteral("&Edit"), &bar)) {
    m_menu->setObjectName(QStringLiteral("mnuEdit"));
    bar.insertMenu(before, m_menu);
    m_undo = m_menu->addAction(QStringLiteral("Undo"));
    m_undo->setObjectName(QStringLiteral("mnuUndo"));
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo = m_menu->addAction(QStringLiteral("Redo"));
    m_redo->setObjectName(QStringLiteral("mnuRedo"));
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    connect(m_undo, &QAction::triggered, &session, &GameFileSession::undo);
    connect(m_redo, &QAction::triggered, &session, &GameFileSession::redo);
    const QUndoStack& history = session.history();
    connect(&history, &QUndoStack::indexChanged, this, &EditMenu::update);
    connect(&history, &QUndoStack::undoTextChanged, this, &EditMenu::update);
    connect(&history, &QUndoStack::redoTextChanged, this, &EditMenu::update);
    update();
}

void EditMenu::update() {
    const QUndoStack& history = m_session.history();
    const auto named = [](const QString& verb, const QString& step) {
        return step.isEmpty() ? verb : verb + QLatin1Char(' ') + step;
    };
    m_undo->setEnabled(history.canUndo());
    m_undo->setText(named(QStringLiteral("Undo"), history.undoText()));
    m_redo->setEnabled(history.canRedo());
    m_redo->setText(named(QStringLiteral("Redo"), history.redoText()));
}
