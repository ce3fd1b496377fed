#include "shell/windowtitle.h"

#include "shell/gamefilesession.h"

#include <QFileInfo>
#include <QWidget>

WindowTitle::WindowTitle(QWidget& window, QString caption, const GameFileSession& session)
    : QObject(&window), m_window(&window), m_caption(std::move(caption)), m_session(session) {
    connect(&session, &GameFileSession::fileStateChanged, this, &WindowTitle::update);
    update();
}

void WindowTitle::setCaption(const QString& caption) {
    m_caption = caption;
    update();
}

QString WindowTitle::titleFor(const QString& caption, const QString& gameFile) {
    return gameFile.isEmpty() ? caption
                              : caption + QStringLiteral(" — ") + QFileInfo(gameFile).fileName();
}

void WindowTitle::update() {
    if (!m_window)
        return;
    if (!m_session.isOpen()) {
        m_window->setWindowTitle(m_caption);
        return;
    }
    // "[*]" is where Qt shows the mark of a modified window, and nothing otherwise.
    m_window->setWindowTitle(titleFor(m_caption, m_session.gameFile()) + QStringLiteral("[*]"));
    m_window->setWindowModified(m_session.hasUnsavedChanges());
}
