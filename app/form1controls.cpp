#include "app/form1controls.h"

#include "player/abilitytable.h"

#include <cstring>

QLineEdit* Form1Controls::abilityBox(const char* name) const {
    for (const AbilitySlot& s : abilitySlots)
        if (std::strcmp(s.box, name) == 0)
            return abilityBoxes[s.slot];
    return nullptr;
}

PlayerViewControls Form1Controls::playerView() const {
    return {List1,
            nazivigraca,
            nazivigraca_dres,
            age,
            visina,
            weight,
            spacing,
            plnumber,
            face,
            hair,
            foot,
            position,
            lblID,
            lblprebaciigrac,
            abilityBoxes,
            checks,
            puni};
}

PlayerEditorControls Form1Controls::playerEditor() const {
    return {List1,  nazivigraca, nazivigraca_dres, spacing, age, foot, weight, visina, abilityBoxes,
            checks, puni,        promjena_imena,   Command4};
}

FaceRelinkControls Form1Controls::faceRelink() const {
    return {lblface, face, lblhair, hair, Command5};
}

RosterViewControls Form1Controls::rosterView() const {
    return {timovi_lista, List2, List4, Label13, transferto};
}

PlayerSearchControls Form1Controls::playerSearch() const {
    return {List1, trazi_tim, Command9, puni};
}
