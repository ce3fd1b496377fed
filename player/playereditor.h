#pragma once

#include "app/form1context.h"

#include <QObject>

#include <optional>

struct PlayerRecord;

// "Apply Changes" and "Apply Abilities": write what the boxes hold into the selected player's
// record. A value that does not fit refuses the whole operation, and the record stays as it was.
class PlayerEditor : public QObject {
    Q_OBJECT
public:
    explicit PlayerEditor(Form1Context context);

    void applyChanges();
    void applyAbilities();

private:
    // The selected player's name offset and record; empty, after saying why, when there is none.
    std::optional<std::pair<qint64, PlayerRecord>> selectedRecord() const;

    Form1Context m;
};
