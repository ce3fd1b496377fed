#pragma once

#include "app/form1context.h"

#include <QObject>

// "Search ": finds a player by his whole name, with the capitals A to Z folded to small letters,
// and selects the first match in the player list, which shows him.
class PlayerSearch : public QObject {
    Q_OBJECT
public:
    explicit PlayerSearch(Form1Context context);

    void search();

private:
    Form1Context m;
};
