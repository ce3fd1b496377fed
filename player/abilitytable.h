#pragma once

#include <QtGlobal>

#include <array>

// The 26 ability slots of the record's ability block: the text box that shows each, its caption,
// and the check box that shows the slot's flag (a playable position for slots 0-11, a special
// ability for slots 12-25). The captions are the game's terms, shown through gameTerm().
struct AbilitySlot {
    int slot;
    const char* box;
    const char* caption;
    int flagBox; // CheckN
    const char* flagCaption;
};

inline constexpr std::array<AbilitySlot, 26> abilitySlots{{
    //: A player's ability, as the game names it
    {0, "attack", QT_TRANSLATE_NOOP("GameTerms", "Attack"), 1,
     QT_TRANSLATE_NOOP("GameTerms", "GK")},
    //: A player's ability, as the game names it
    {1, "defence", QT_TRANSLATE_NOOP("GameTerms", "Defence"), 2,
     QT_TRANSLATE_NOOP("GameTerms", "SWP")},
    //: A player's ability, as the game names it
    {2, "bodybalance", QT_TRANSLATE_NOOP("GameTerms", "Balance"), 3,
     QT_TRANSLATE_NOOP("GameTerms", "CB")},
    {3, "stamina", QT_TRANSLATE_NOOP("GameTerms", "Stamina"), 4,
     QT_TRANSLATE_NOOP("GameTerms", "SB")},
    {4, "topspeed", QT_TRANSLATE_NOOP("GameTerms", "Speed"), 6,
     QT_TRANSLATE_NOOP("GameTerms", "DMF")},
    {5, "acceleration", QT_TRANSLATE_NOOP("GameTerms", "Acceleration"), 5,
     QT_TRANSLATE_NOOP("GameTerms", "WB")},
    //: A player's ability, as the game names it
    {6, "response", QT_TRANSLATE_NOOP("GameTerms", "Response"), 7,
     QT_TRANSLATE_NOOP("GameTerms", "CMF")},
    {7, "agility", QT_TRANSLATE_NOOP("GameTerms", "Agility"), 9,
     QT_TRANSLATE_NOOP("GameTerms", "AMF")},
    {8, "dribble1", QT_TRANSLATE_NOOP("GameTerms", "Dribble Accuracy"), 8,
     QT_TRANSLATE_NOOP("GameTerms", "SMF")},
    {9, "dribblespeed", QT_TRANSLATE_NOOP("GameTerms", "Dribble Speed"), 10,
     QT_TRANSLATE_NOOP("GameTerms", "WF")},
    {10, "shortpassa", QT_TRANSLATE_NOOP("GameTerms", "Short Pass Accur"), 11,
     QT_TRANSLATE_NOOP("GameTerms", "SS")},
    {11, "shortpasss", QT_TRANSLATE_NOOP("GameTerms", "Short Pass Speed"), 12,
     QT_TRANSLATE_NOOP("GameTerms", "CF")},
    {12, "longpassa", QT_TRANSLATE_NOOP("GameTerms", "Long Pass Accur"), 26,
     //: A player's special ability, as the game names it
     QT_TRANSLATE_NOOP("GameTerms", "Centre")},
    {13, "longpasss", QT_TRANSLATE_NOOP("GameTerms", "Long Pass Speed"), 25,
     QT_TRANSLATE_NOOP("GameTerms", "1-On-1 Stopper")},
    {14, "shota", QT_TRANSLATE_NOOP("GameTerms", "Shot Accuracy"), 24,
     QT_TRANSLATE_NOOP("GameTerms", "Dribbling")},
    {15, "shotp", QT_TRANSLATE_NOOP("GameTerms", "Shot Power"), 23,
     QT_TRANSLATE_NOOP("GameTerms", "Tactical dribble")},
    {16, "shott", QT_TRANSLATE_NOOP("GameTerms", "Shot Technique"), 22,
     QT_TRANSLATE_NOOP("GameTerms", "Positioning")},
    {17, "freekicka", QT_TRANSLATE_NOOP("GameTerms", "Free Kick Accur"), 21,
     //: A player's special ability, as the game names it
     QT_TRANSLATE_NOOP("GameTerms", "Reaction")},
    {18, "swerve", QT_TRANSLATE_NOOP("GameTerms", "Curving / Swerve"), 20,
     QT_TRANSLATE_NOOP("GameTerms", "Playmaking")},
    {19, "header", QT_TRANSLATE_NOOP("GameTerms", "Heading"), 19,
     //: A player's special ability, as the game names it
     QT_TRANSLATE_NOOP("GameTerms", "Passing")},
    //: A player's ability, as the game names it
    {20, "jump", QT_TRANSLATE_NOOP("GameTerms", "Jump"), 18,
     //: A player's special ability, as the game names it
     QT_TRANSLATE_NOOP("GameTerms", "Scoring")},
    {21, "technique", QT_TRANSLATE_NOOP("GameTerms", "Technique"), 17,
     QT_TRANSLATE_NOOP("GameTerms", "1-1 Scoring")},
    {22, "aggression", QT_TRANSLATE_NOOP("GameTerms", "Aggression"), 16,
     QT_TRANSLATE_NOOP("GameTerms", "Post Player")},
    {23, "teamwork", QT_TRANSLATE_NOOP("GameTerms", "Team Work"), 13,
     //: A player's special ability, as the game names it
     QT_TRANSLATE_NOOP("GameTerms", "Side")},
    {24, "tenacity", QT_TRANSLATE_NOOP("GameTerms", "Mentality"), 15,
     //: A player's special ability, as the game names it
     QT_TRANSLATE_NOOP("GameTerms", "Lines")},
    {25, "gkskill", QT_TRANSLATE_NOOP("GameTerms", "Goalkeeper Skills"), 14,
     QT_TRANSLATE_NOOP("GameTerms", "Middle Shooting")},
}};

// The progress bar's maximum while the ability block is shown or written.
inline constexpr int abilityProgressMaximum = 27;

// Dribble Speed is the one ability box the colouring leaves alone.
inline constexpr int dribbleSpeedSlot = 9;

// The caption labels Label4(0)-Label4(25) run in this order of boxes.
inline constexpr std::array<const char*, 26> abilityLabelOrder{
    "attack",    "defence",   "bodybalance", "stamina",      "topspeed",   "acceleration",
    "response",  "agility",   "dribble1",    "dribblespeed", "shortpassa", "shortpasss",
    "longpassa", "longpasss", "shota",       "shotp",        "shott",      "freekicka",
    "swerve",    "header",    "jump",        "technique",    "aggression", "tenacity",
    "gkskill",   "teamwork"};

// The bits of the special-ability byte (slot 28) and the boxes that show them.
struct SpecialAbilityBit {
    int checkBox;
    int value;
    const char* caption;
};

inline constexpr std::array<SpecialAbilityBit, 8> specialAbilityBits{{
    {28, 1, QT_TRANSLATE_NOOP("GameTerms", "1-Touch Pass")},
    //: A player's special ability, as the game names it
    {29, 2, QT_TRANSLATE_NOOP("GameTerms", "Outside")},
    {30, 4, QT_TRANSLATE_NOOP("GameTerms", "Marking")},
    {31, 8, QT_TRANSLATE_NOOP("GameTerms", "Sliding")},
    //: A player's special ability, as the game names it
    {32, 16, QT_TRANSLATE_NOOP("GameTerms", "Covering")},
    {33, 32, QT_TRANSLATE_NOOP("GameTerms", "D-Line Control")},
    {34, 64, QT_TRANSLATE_NOOP("GameTerms", "Penalty Stopper")},
    {25, 128, QT_TRANSLATE_NOOP("GameTerms", "1-On-1 Stopper")},
}};

// Boxes of the "Special Options" panel without a slot of their own.
inline constexpr int penaltiesBox = 27; // "Penalties": shown, never stored
inline constexpr int longThrowBox = 35; // "Long Throw", slot 30
inline constexpr const char* penaltiesCaption = QT_TRANSLATE_NOOP("GameTerms", "Penalties");
inline constexpr const char* longThrowCaption = QT_TRANSLATE_NOOP("GameTerms", "Long Throw");
inline constexpr int penaltyStopperBox = 34; // bit 6 of slot 28, and slot 29
