#pragma once

#include "shell/codecruns.h"
#include "app/form1controls.h"

#include <QMainWindow>
#include <QPointer>

class Form2;
class Platform;
class PlayerView;
class SaveJob;
struct Form1Context;

// The main window: the player editor and the program's start-up window. It builds its controls
// and connects them to the subsystems; the subsystems hold the rules.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    Form1Controls& controls() { return c; }
    // The decompress runs started for the player database now open.
    CodecRuns& decompressRuns() { return m_decompress; }

    // File > Open: asks for the player database and has the codec tool decompress it.
    void openDatabase();
    // "SAVE": compresses the working copy; the timer `sat` then replaces the game file.
    void save();
    // "Load": lists every player and team of the open files.
    bool load();
    // "Team Editor": shows the team name editor, creating it (which asks for the team file) when
    // it does not exist.
    void showTeamEditor();

    // The team name editor while it exists; null after its close box closed it.
    Form2* teamEditor() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void pressSlova();
    void connectControls();
    Form1Context context();
    Form2& ensureTeamEditor();

    Platform& m_platform;
    Form1Controls c;
    CodecRuns m_decompress;
    SaveJob* m_saveJob = nullptr;
    PlayerView* m_playerView = nullptr;
    QPointer<Form2> m_form2;
};
