#include "player/positiontable.h"

#include "player/gameterms.h"

#include <array>
#include <initializer_list>

namespace {

struct Position {
    const char* caption;
    std::initializer_list<int> readCodes;
    int storedCode;
    int checkBox;
};

// 96-98 ("WB") is the one group of sixteen that no other position uses; 178 reads as "CF".
const std::array<Position, PositionTable::entryCount> positions{{
    //: The goalkeeper position
    {QT_TRANSLATE_NOOP("GameTerms", "GK"), {0, 4, 8, 12}, 0, 1},
    //: The sweeper position
    {QT_TRANSLATE_NOOP("GameTerms", "SWP"), {50}, 50, 2},
    //: The centre-back position
    {QT_TRANSLATE_NOOP("GameTerms", "CB"), {48, 32}, 48, 3},
    //: The side-back position
    {QT_TRANSLATE_NOOP("GameTerms", "SB"), {64, 65, 66}, 65, 4},
    //: The wing-back position
    {QT_TRANSLATE_NOOP("GameTerms", "WB"), {96, 97, 98}, 97, 5},
    //: The defensive midfielder position
    {QT_TRANSLATE_NOOP("GameTerms", "DMF"), {80, 81, 82}, 81, 6},
    //: The centre midfielder position
    {QT_TRANSLATE_NOOP("GameTerms", "CMF"), {112, 113, 114}, 113, 7},
    //: The side midfielder position
    {QT_TRANSLATE_NOOP("GameTerms", "SMF"), {128, 129, 130}, 129, 8},
    //: The attacking midfielder position
    {QT_TRANSLATE_NOOP("GameTerms", "AMF"), {144, 145, 146}, 145, 9},
    //: The wing forward position
    {QT_TRANSLATE_NOOP("GameTerms", "WF"), {160}, 160, 10},
    //: The second striker position
    {QT_TRANSLATE_NOOP("GameTerms", "SS"), {176, 177, 179}, 177, 11},
    //: The centre forward position
    {QT_TRANSLATE_NOOP("GameTerms", "CF"), {192, 193, 178}, 192, 12},
}};

} // namespace

namespace PositionTable {

QStringList captions() {
    QStringList result;
    for (const Position& p : positions)
        result << QString::fromLatin1(p.caption);
    return result;
}

QStringList shownCaptions() {
    QStringList result;
    for (const Position& p : positions)
        result << gameTerm(p.caption);
    return result;
}

int entryForCode(int code) {
    for (int entry = 0; entry < entryCount; ++entry)
        for (const int candidate : positions[entry].readCodes)
            if (candidate == code)
                return entry;
    return -1;
}

int codeForEntry(int entry) {
    return entry >= 0 && entry < entryCount ? positions[entry].storedCode : -1;
}

int checkBoxForEntry(int entry) {
    return entry >= 0 && entry < entryCount ? positions[entry].checkBox : -1;
}

} // namespace PositionTable
