#pragma once

#include <QObject>

#include <array>

class GameFileSession;
class PlayerLists;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
struct HiddenPlayerFields;
struct ShownPlayer;

// The controls the player view fills.
struct PlayerViewControls {
    QListWidget* List1 = nullptr;
    QLineEdit* nazivigraca = nullptr;
    QLineEdit* nazivigraca_dres = nullptr;
    QLineEdit* age = nullptr;
    QLineEdit* visina = nullptr;
    QLineEdit* weight = nullptr;
    QLineEdit* spacing = nullptr;
    QLineEdit* plnumber = nullptr;
    QLineEdit* face = nullptr;
    QLineEdit* hair = nullptr;
    QComboBox* foot = nullptr;
    QComboBox* position = nullptr;
    QLabel* lblID = nullptr;
    QLabel* lblprebaciigrac = nullptr;
    std::array<QLineEdit*, 26> abilityBoxes{}; // by slot
    std::array<QCheckBox*, 36> checks{};       // checks[n] is CheckN
    QProgressBar* puni = nullptr;
};

// Shows the player selected in the player list: details, position and foot, face and hair,
// abilities with their flags, and the special abilities. It also keeps the two rules the view
// relies on: the special-ability sum follows its eight boxes, and choosing a registered position
// marks it as playable.
class PlayerView : public QObject {
    Q_OBJECT
public:
    PlayerView(const PlayerViewControls& controls, PlayerLists& lists, HiddenPlayerFields& hidden,
               GameFileSession& session);

    // The selection of position `row` of the player list.
    void show(int row);
    // After an undo or redo of a write into the record at `nameOffset`: its names in the list as
    // the record holds them now, and the player selected and shown again.
    void showAgain(qint64 nameOffset);
    // No player shown: the boxes empty and the boxes unchecked, as before the first selection, so
    // that nothing of a player shown before is left once the lists are read again.
    void clear();

    // The position rule: `pozicija` gets the entry's code and its position box is checked.
    void positionChosen(int entry);

private:
    void showAbilities(const ShownPlayer& shown);
    void specialAbilityToggled(int bitValue, bool checked);

    PlayerViewControls c;
    PlayerLists& m_lists;
    HiddenPlayerFields& m_hidden;
    GameFileSession& m_session;
};
