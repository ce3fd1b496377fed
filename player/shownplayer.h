#pragma once

#include "player/playerrecord.h"

#include <QString>

#include <array>

// Everything the player view shows for one record once the player is selected: the boxes, the
// foot and position entries and the state of every check box as the view leaves it. The window
// and the spreadsheet export both take the player's values from here, so a sheet shows a record
// exactly as the window does.
struct ShownPlayer {
    static constexpr int checkBoxCount = 35; // Check1-Check35
    using Checks = std::array<bool, checkBoxCount + 1>;

    QString name;      // the player list's entry
    QString shirtName; // the shirt-name list's entry (up to 26 bytes from the shirt name on)
    qint32 id = 0;
    int age = 0;
    int height = 0;
    int weight = 0;
    int spacing = 0;
    int footEntry = -1;     // 0 "Right", 1 "Left", -1 no entry
    int positionEntry = -1; // the `position` entry, -1 when the stored code selects none
    int positionCode = 0;   // `pozicija`: the entry's stored code, or the code as read
    std::array<int, PlayerLayout::abilitySlotCount> abilities{}; // by slot
    Checks checks{};           // checks[n] is CheckN; index 0 unused
    int specialAbilitySum = 0; // `zbirocjene` after the selection
    int face = 0;
    int hair = 0;
    QString footText;    // `Text1`: the foot byte in hexadecimal
    QString rawWordText; // `Text2`: the raw word in hexadecimal

    // The record as the view shows it, with the names the player index listed for it.
    static ShownPlayer of(const PlayerRecord& record, const QString& listName,
                          const QString& listShirtName);
    // A record's bytes (from its start, the whole record) with the names Load lists for it.
    static ShownPlayer ofRecord(QByteArrayView record);
    // Record `index` of `table`, the working copy from offset 0 to at least the end of the record.
    static ShownPlayer at(QByteArrayView table, int index);

    // The special-ability sum of the boxes: the bit values of the eight checked boxes.
    static int specialAbilitySumOf(const Checks& checks);
};
