#pragma once

#include "app/form1controls.h"

#include <QMainWindow>
#include <QPointer>

class Form2;
class PlayerTableWindow;
class PlayerView;
class QScrollArea;
class SquadEditor;
class GameFileSession;
class Platform;
class WindowTitle;

// The main window: the player editor and the program's start-up window. It builds its controls
// and connects them to the subsystems; the subsystems hold the rules.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    Form1Controls& controls() { return c; }
    // The player database now open: its path, codec runs and save.
    GameFileSession& session() { return *m_session; }

    // File > Open: asks for the player database and has the codec tool decompress it.
    void openDatabase();
    // "SAVE": compresses the working copy; the timer `sat` then replaces the game file.
    void save();
    // "Load": lists every player and team of the open files. When the codec tool is still
    // decompressing them, the window says so and goes on answering; the lists fill when it has
    // finished. True when the lists were filled before returning.
    bool load();
    bool isLoading() const;
    // "Team Editor": shows the team name editor, creating it (which asks for the team file) when
    // it does not exist.
    void showTeamEditor();

    // "Squads": shows the squad window, creating it the first time. Enabled once a Load has
    // listed the player database and the team file's teams.
    void showSquadEditor();

    // "Player Table": every player in one grid, filtered, sorted and edited in place. Enabled once
    // a Load has listed the players.
    void showPlayerTable();

    // The team name editor while it exists; null after its close box closed it.
    Form2* teamEditor() const;
    // The squad window once "Squads" has created it.
    SquadEditor* squadEditor() const;
    // The player table once "Player Table" has created it.
    PlayerTableWindow* playerTable() const;

signals:
    // A Load has ended, at once or after waiting for the codec tool; `loaded` as load() returns.
    void loadFinished(bool loaded);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The captions of the window, its menus and its controls in the language installed now.
    void setTexts();
    // "Language": System and each language of Translations, the one kept in the settings checked.
    void buildLanguageMenu();
    // How the other window's messages name this one.
    static QString windowName();
    void connectControls();
    // The window no larger than its screen's free area, and inside it.
    void fitToScreen();
    Form2& ensureTeamEditor();
    bool completeLoad();
    void squadsLoaded(bool loaded);
    // The team file changed (a rename, its undo or redo, an import, a Load): an open squad
    // window names the teams as the team list now does.
    void teamsChanged();
    void message(const QString& text);
    // The lists read again after a write that changed many records.
    void reloadAfterWrite();

    Platform& m_platform;
    Form1Controls c;
    GameFileSession* m_session = nullptr;
    WindowTitle* m_title = nullptr;
    // The hints shown last in the search box and above the face and hair boxes: a language change
    // replaces them where they still show.
    QString m_searchHint;
    QString m_faceHint;
    QString m_hairHint;
    QPointer<Form2> m_form2;
    PlayerView* m_view = nullptr;
    QScrollArea* m_scroller = nullptr;
    bool m_fitted = false;
    // Set while a Load follows a write of the session (a sheet import, its undo): the team name
    // editor stays as the user left it, shown or hidden.
    bool m_reloadingAfterWrite = false;
    QPointer<SquadEditor> m_squads;
    QPointer<PlayerTableWindow> m_table;
};
