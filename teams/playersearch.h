#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

// The controls of the player search.
struct PlayerSearchControls {
    QListWidget* List1 = nullptr;
    QLineEdit* trazi_tim = nullptr;
    QPushButton* Command9 = nullptr; // "Search "
    QProgressBar* puni = nullptr;
};

// The search's hidden scratch fields and its letter tables.
struct PlayerSearchFields {
    QString trazipom;      // the search text, folded
    QString provjera_text; // the name found, folded
    QStringList List6;     // "A"-"Z"
    QStringList List7;     // "a"-"z"
};

// "Search ": finds a player by his whole name, with the capitals A to Z folded to small letters,
// and selects the first match in the player list, which shows him.
class PlayerSearch : public QObject {
    Q_OBJECT
public:
    PlayerSearch(const PlayerSearchControls& controls, PlayerSearchFields& fields);

    // The window's start-up fills the letter tables the search folds names with.
    static void fillLetterTables(PlayerSearchFields& fields);

    void search();

private:
    PlayerSearchControls c;
    PlayerSearchFields& m_fields;
};
