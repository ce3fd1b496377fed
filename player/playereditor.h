#pragma once

#include <QObject>

#include <array>
#include <functional>
#include <optional>

class GameFileSession;
class PlayerLists;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
struct HiddenPlayerFields;
struct PlayerRecord;

// The controls "Apply Changes" and "Apply Abilities" read, and the list whose names follow a
// rename.
struct PlayerEditorControls {
    QListWidget* List1 = nullptr;
    QLineEdit* nazivigraca = nullptr;
    QLineEdit* nazivigraca_dres = nullptr;
    QLineEdit* spacing = nullptr;
    QLineEdit* age = nullptr;
    QComboBox* foot = nullptr;
    QLineEdit* weight = nullptr;
    QLineEdit* visina = nullptr;
    std::array<QLineEdit*, 26> abilityBoxes{}; // by slot
    std::array<QCheckBox*, 36> checks{};       // checks[n] is CheckN
    QProgressBar* puni = nullptr;
    QPushButton* promjena_imena = nullptr; // "Apply Changes"
    QPushButton* Command4 = nullptr;       // "Apply Abilities"
};

// "Apply Changes" and "Apply Abilities": write what the boxes hold into the selected player's
// record. A value that does not fit refuses the whole operation, and the record stays as it was.
class PlayerEditor : public QObject {
    Q_OBJECT
public:
    // `showPlayer` shows the player of a name offset again after an undo or redo of his record.
    using ShowPlayer = std::function<void(qint64 nameOffset)>;
    PlayerEditor(const PlayerEditorControls& controls, PlayerLists& lists,
                 const HiddenPlayerFields& hidden, GameFileSession& session, ShowPlayer showPlayer);

    void applyChanges();
    void applyAbilities();

private:
    // The selected player's name offset and record; empty, after saying why, when there is none.
    std::optional<std::pair<qint64, PlayerRecord>> selectedRecord() const;

    PlayerEditorControls c;
    PlayerLists& m_lists;
    const HiddenPlayerFields& m_hidden;
    GameFileSession& m_session;
    ShowPlayer m_showPlayer;
};
