#pragma once

#include "appearance/facerelink.h"
#include "player/hiddenplayerfields.h"
#include "player/playereditor.h"
#include "player/playerlists.h"
#include "player/playerview.h"
#include "teams/playersearch.h"
#include "teams/rosterview.h"

#include <QString>
#include <QStringList>

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;
class QTimer;
class QWidget;

// Every control of the main window, by the name the rest of the editor knows it by. The visible
// ones are widgets (their objectName is the same name); the hidden ones are plain working storage
// that holds exactly the values the windows put there. The window builds them all; each subsystem
// is handed only the few it reads and sets.
struct Form1Controls {
    // Menu.
    QMenu* mnuFile = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuQuit = nullptr;
    QAction* mnuExportCsv = nullptr;      // "Export to CSV…"
    QAction* mnuExportXlsx = nullptr;     // "Export to Excel…"
    QAction* mnuImportCsv = nullptr;      // "Import Sheet…" (.csv or .xlsx)
    QAction* mnuImportDatabase = nullptr; // "Import from Another Database…"
    QAction* mnuRestoreBackup = nullptr;  // "Restore Backup…"
    QAction* mnuTeamEdit = nullptr;
    QAction* mnuSquads = nullptr;      // "Squads": enabled once both files are loaded
    QAction* mnuPlayerTable = nullptr; // "Player Table": enabled once the players are listed
    QMenu* mnuLanguage = nullptr;      // "Language": System and each translation
    QAction* languageSystem = nullptr; // the language of the system

    // Player list, search, ID.
    QListWidget* List1 = nullptr;
    QPushButton* Command2 = nullptr; // "Load"
    QLineEdit* trazi_tim = nullptr;
    QPushButton* Command9 = nullptr; // "Search "
    QLabel* Label9 = nullptr;
    QLabel* lblID = nullptr;

    // Team chooser and the read-only roster view.
    QComboBox* timovi_lista = nullptr;
    QListWidget* List4 = nullptr; // shirt numbers
    QListWidget* List2 = nullptr; // player names
    QPushButton* removefromteam = nullptr;
    QPushButton* moveup = nullptr;
    QPushButton* movedown = nullptr;

    // Details, each with its caption.
    QLabel* Label1 = nullptr;  // "Player Name:"
    QLabel* Label2 = nullptr;  // "Name on shirt:"
    QLabel* Label7 = nullptr;  // "Position:"
    QLabel* Label14 = nullptr; // "Foot:"
    QLabel* Label11 = nullptr; // "Number:"
    QLabel* Label5 = nullptr;  // "Height:"
    QLabel* Label10 = nullptr; // "Weight:"
    QLabel* Label6 = nullptr;  // "Age:"
    QLabel* Label15 = nullptr; // "Spacing:"
    QLabel* Label12 = nullptr;
    QLineEdit* nazivigraca = nullptr;
    QLineEdit* nazivigraca_dres = nullptr;
    QLineEdit* weight = nullptr;
    QLineEdit* visina = nullptr;
    QLineEdit* age = nullptr;
    QComboBox* position = nullptr;
    QLineEdit* plnumber = nullptr;
    QComboBox* foot = nullptr;
    QLineEdit* spacing = nullptr;

    // Abilities: text boxes by slot, caption labels Label4(0-25), check boxes Check1-Check35
    // (index 0 unused so that checks[n] is CheckN).
    QGroupBox* Frame1 = nullptr;
    std::array<QLineEdit*, 26> abilityBoxes{};
    std::array<QLabel*, 26> Label4{};
    std::array<QCheckBox*, 36> checks{};
    QPushButton* Command4 = nullptr; // "Apply Abilities"
    QPushButton* Command6 = nullptr; // "Special Options"
    QGroupBox* framespecial = nullptr;
    QLabel* Label16 = nullptr; // "X"

    // Face and hair.
    QGroupBox* frameface = nullptr;
    QLabel* lblface = nullptr;
    QLineEdit* face = nullptr;
    QLabel* lblhair = nullptr;
    QLineEdit* hair = nullptr;
    QPushButton* Command5 = nullptr; // "Relink"

    QPushButton* promjena_imena = nullptr; // "Apply Changes"
    QPushButton* Command1 = nullptr;       // "SAVE"

    // Transfer frame.
    QGroupBox* Frame2 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* lblprebaciigrac = nullptr;
    QPushButton* transferplayer = nullptr;
    QComboBox* transferto = nullptr;

    QLabel* Label3 = nullptr;
    QProgressBar* puni = nullptr;
    QFrame* Frame3 = nullptr;

    QTimer* sat_provjera_broja = nullptr;
    QTimer* sat = nullptr;

    // Hidden working storage, by the subsystem that keeps it.
    PlayerLists lists;         // the player index beside List1
    HiddenPlayerFields hidden; // the shown player's raw values
    PlayerSearchFields search; // the search's scratch fields and letter tables

    QLineEdit* abilityBox(const char* name) const;
    QCheckBox* check(int number) const { return checks.at(number); }

    // What each subsystem reads and sets.
    PlayerViewControls playerView() const;
    PlayerEditorControls playerEditor() const;
    FaceRelinkControls faceRelink() const;
    RosterViewControls rosterView() const;
    PlayerSearchControls playerSearch() const;
};

// Creates the widgets of the main window inside `window` at their places, without their captions.
void buildForm1Controls(QWidget* window, Form1Controls& c);
// Gives the widgets buildForm1Controls made their captions in the language installed now (the
// menus, the title and the hints that a click or a shown player replaces are the window's).
void setForm1Texts(Form1Controls& c);
