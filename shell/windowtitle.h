#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class GameFileSession;
class QWidget;

// A window's title: its caption, then the name of the game file the session has open
// ("… — unnamed_25.bin"), with Qt's modified mark while the working copy holds changes that no
// SAVE has put into the game file. Without a file open, the caption alone.
class WindowTitle : public QObject {
    Q_OBJECT
public:
    WindowTitle(QWidget& window, QString caption, const GameFileSession& session);

    // The caption changes (a language change sets it again).
    void setCaption(const QString& caption);

    // The title for a caption and the file open: what the window shows, without the mark.
    static QString titleFor(const QString& caption, const QString& gameFile);

private:
    void update();

    QPointer<QWidget> m_window;
    QString m_caption;
    const GameFileSession& m_session;
};
