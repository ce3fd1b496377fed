#pragma once

#include "app/form1context.h"

#include <QObject>

struct ShownPlayer;

// Shows the player selected in the player list: details, position and foot, face and hair,
// abilities with their flags, and the special abilities. It also keeps the two rules the view
// relies on: the special-ability sum follows its eight boxes, and choosing a registered position
// marks it as playable.
class PlayerView : public QObject {
    Q_OBJECT
public:
    explicit PlayerView(Form1Context context);

    // The selection of position `row` of the player list.
    void show(int row);

    // The position rule: `pozicija` gets the entry's code and its position box is checked.
    void positionChosen(int entry);

private:
    void showAbilities(const ShownPlayer& shown);
    void specialAbilityToggled(int bitValue, bool checked);

    Form1Context m;
};
