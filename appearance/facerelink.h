#pragma once

#include <QObject>

#include <functional>

class GameFileSession;
class PlayerLists;
class QLabel;
class QLineEdit;
class QPushButton;
struct HiddenPlayerFields;

// The controls of the "Face Relink" frame.
struct FaceRelinkControls {
    QLabel* lblface = nullptr;
    QLineEdit* face = nullptr;
    QLabel* lblhair = nullptr;
    QLineEdit* hair = nullptr;
    QPushButton* Command5 = nullptr; // "Relink"
};

// The "Face Relink" frame: the face and hair boxes follow each other and their labels, and
// "Relink" writes the selected player's face and hair links into the working copy.
class FaceRelink : public QObject {
    Q_OBJECT
public:
    // `showPlayer` shows the player of a name offset again after an undo or redo of his record.
    using ShowPlayer = std::function<void(qint64 nameOffset)>;
    FaceRelink(const FaceRelinkControls& controls, const PlayerLists& lists,
               HiddenPlayerFields& hidden, GameFileSession& session, ShowPlayer showPlayer);

    void relink();

private:
    void faceChanged(const QString& text);
    void hairChanged(const QString& text);

    FaceRelinkControls c;
    const PlayerLists& m_lists;
    HiddenPlayerFields& m_hidden;
    GameFileSession& m_session;
    ShowPlayer m_showPlayer;
};
