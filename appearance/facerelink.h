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
// "Relink" writes the selected player's face and hair links into the working copy. The labels
// follow a change of language.
class FaceRelink : public QObject {
    Q_OBJECT
public:
    // `showPlayer` shows the player of a name offset again after an undo or redo of his record.
    using ShowPlayer = std::function<void(qint64 nameOffset)>;
    FaceRelink(const FaceRelinkControls& controls, const PlayerLists& lists,
               HiddenPlayerFields& hidden, GameFileSession& session, ShowPlayer showPlayer);

    void relink();

protected:
    bool event(QEvent* event) override;

private:
    // The file names of the labels again, in the language shown now.
    void setTexts();
    void faceChanged(const QString& text);
    void hairChanged(const QString& text);

    FaceRelinkControls c;
    const PlayerLists& m_lists;
    HiddenPlayerFields& m_hidden;
    GameFileSession& m_session;
    ShowPlayer m_showPlayer;
    bool m_faceShown = false; // the labels show a file name once their box has changed
    bool m_hairShown = false;
};
