#include "shell/editmenu.h"

#include "shell/gamefilesession.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

EditMenu::EditMenu(QMenuBar& bar, QAction* before, GameFileSession& session)
    : QObject(&bar), m_session(session), m_menu(new QMenu(&bar)) {
    m_menu->setObjectName(QStringLiteral("mnuEdit"));
    bar.insertMenu(before, m_menu);
    m_undo = m_menu->addAction(QString());
    m_undo->setObjectName(QStringLiteral("mnuUndo"));
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo = m_menu->addAction(QString());
    m_redo->setObjectName(QStringLiteral("mnuRedo"));
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    connect(m_undo, &QAction::triggered, &session, &GameFileSession::undo);
    connect(m_redo, &QAction::triggered, &session, &GameFileSession::redo);
    const QUndoStack& history = session.history();
    connect(&history, &QUndoStack::indexChanged, this, &EditMenu::update);
    connect(&history, &QUndoStack::undoTextChanged, this, &EditMenu::update);
    connect(&history, &QUndoStack::redoTextChanged, this, &EditMenu::update);
    setTexts();
}

bool EditMenu::event(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        setTexts();
    return QObject::event(event);
}

void EditMenu::setTexts() {
    m_menu->setTitle(tr("&Edit"));
    update();
}

void EditMenu::update() {
    const QUndoStack& history = m_session.history();
    m_undo->setEnabled(history.canUndo());
    m_redo->setEnabled(history.canRedo());
    const QString undoStep = history.undoText();
    const QString redoStep = history.redoText();
    if (undoStep.isEmpty())
        m_undo->setText(tr("Undo"));
    else
        //: %1 names the step that Undo takes back ("Apply Abilities: Adam Adams").
        m_undo->setText(tr("Undo %1").arg(undoStep));
    if (redoStep.isEmpty())
        m_redo->setText(tr("Redo"));
    else
        //: %1 names the step that Redo does again ("Apply Abilities: Adam Adams").
        m_redo->setText(tr("Redo %1").arg(redoStep));
}
