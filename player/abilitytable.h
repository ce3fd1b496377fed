#pragma once

#include <array>

// The 26 ability slots of the record's ability block: the text box that shows each, its caption,
// and the check box that shows the slot's flag (a playable position for slots 0-11, a special
// ability for slots 12-25).
struct AbilitySlot {
    int slot;
    const char* box;
    const char* caption;
    int flagBox; // CheckN
    const char* flagCaption;
};

inline constexpr std::array<AbilitySlot, 26> abilitySlots{{
    {0, "attack", "Attack", 1, "GK"},
    {1, "defence", "Defence", 2, "SWP"},
    {2, "bodybalance", "Balance", 3, "CB"},
    {3, "stamina", "Stamina", 4, "SB"},
    {4, "topspeed", "Speed", 6, "DMF"},
    {5, "acceleration", "Acceleration", 5, "WB"},
    {6, "response", "Response", 7, "CMF"},
    {7, "agility", "Agility", 9, "AMF"},
    {8, "dribble1", "Dribble Accuracy", 8, "SMF"},
    {9, "dribblespeed", "Dribble Speed", 10, "WF"},
    {10, "shortpassa", "Short Pass Accur", 11, "SS"},
    {11, "shortpasss", "Short Pass Speed", 12, "CF"},
    {12, "longpassa", "Long Pass Accur", 26, "Centre"},
    {13, "longpasss", "Long Pass Speed", 25, "1-On-1 Stopper"},
    {14, "shota", "Shot Accuracy", 24, "Dribbling"},
    {15, "shotp", "Shot Power", 23, "Tactical dribble"},
    {16, "shott", "Shot Technique", 22, "Positioning"},
    {17, "freekicka", "Free Kick Accur", 21, "Reaction"},
    {18, "swerve", "Curving / Swerve", 20, "Playmaking"},
    {19, "header", "Heading", 19, "Passing"},
    {20, "jump", "Jump", 18, "Scoring"},
    {21, "technique", "Technique", 17, "1-1 Scoring"},
    {22, "aggression", "Aggression", 16, "Post Player"},
    {23, "teamwork", "Team Work", 13, "Side"},
    {24, "tenacity", "Mentality", 15, "Lines"},
    {25, "gkskill", "Goalkeeper Skills", 14, "Middle Shooting"},
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
    {28, 1, "1-Touch Pass"},
    {29, 2, "Outside"},
    {30, 4, "Marking"},
    {31, 8, "Sliding"},
    {32, 16, "Covering"},
    {33, 32, "D-Line Control"},
    {34, 64, "Penalty Stopper"},
    {25, 128, "1-On-1 Stopper"},
}};

// Boxes of the "Special Options" panel without a slot of their own.
inline constexpr int penaltiesBox = 27;      // "Penalties": shown, never stored
inline constexpr int longThrowBox = 35;      // "Long Throw", slot 30
inline constexpr int penaltyStopperBox = 34; // bit 6 of slot 28, and slot 29
