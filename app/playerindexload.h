#pragma once

class GameFileSession;
class PlayerLists;
class QComboBox;
class QGroupBox;
class QListWidget;
class QProgressBar;
class TeamSource;

// The controls the main window's Load fills.
struct PlayerIndexLoadControls {
    QListWidget* List1 = nullptr;
    QComboBox* timovi_lista = nullptr;
    QComboBox* transferto = nullptr;
    QProgressBar* puni = nullptr;
    QGroupBox* Frame1 = nullptr;
};

// "Load" of the main window, once the codec runs of the open files have ended: fills the player
// index from the working copy, shows the abilities, has the team name editor load the team file
// (when there is one) and copies its team names into the team chooser. Returns false, after
// saying why, when the working copy cannot be read; the lists then stay as they were.
bool loadPlayerIndex(const PlayerIndexLoadControls& c, PlayerLists& lists, GameFileSession& session,
                     TeamSource* teams);
