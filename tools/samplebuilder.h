#pragma once

#include "codec/container.h"
#include "player/playerrecord.h"
#include "teamnames/teamnamelayout.h"
#include "teams/rosterlayout.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <utility>

// Synthetic game files for the tests, the demo and the benchmarks: a player database and a team
// file laid out as the game lays them out, filled with invented but plausible content. Every call
// builds the same bytes.
namespace SampleBuilder {

// File names in the game folder, and the suffix of the decompressed working copies.
inline constexpr char playerFileName[] = "unnamed_25.bin";
inline constexpr char teamFileName[] = "unnamed_32.bin";
inline constexpr char workingCopySuffix[] = ".unzlib";

// ---- The player database ----

constexpr qint64 playerDatabaseSize = 1520000;

// Teams listed by the team file; each has one roster record, in list order.
constexpr int teamCount = 197;

// The roster table covers the player table from its first byte on: record 6450 keeps its ID but
// loses its name and everything after it, records 6451-6591 lie wholly or partly under roster
// records. Rosters list only players before the first covered record.
constexpr qint64 rosterTableEnd = RosterLayout::recordStart(teamCount); // one past the last
constexpr int firstCoveredPlayer =
    int((RosterLayout::tableStart - PlayerLayout::tableStart) / PlayerLayout::recordSize); // 6450
constexpr int firstIntactPlayerAfterRosters =
    int((rosterTableEnd - PlayerLayout::tableStart + PlayerLayout::recordSize - 1) /
        PlayerLayout::recordSize); // 6592
constexpr int rosterablePlayerCount = firstCoveredPlayer;

// Whether the whole record is the player's own bytes, untouched by the roster table.
constexpr bool isIntactPlayer(int index) {
    return index >= 0 && index < PlayerLayout::recordCount &&
           (index < firstCoveredPlayer || index >= firstIntactPlayerAfterRosters);
}

// Players with something particular about them.
constexpr int accentedNamePlayer = 1;    // "Mesut Özil"
constexpr int fullWidthNamePlayer = 777; // a 46-character name: the name field holds no zero byte
constexpr std::array<std::pair<int, int>, 2> duplicateNamePlayers{{{137, 4210}, {2048, 2049}}};
// A club's first player whom a national team lists too: slot 0 of fullRosterTeam and the last
// filled slot of sharedPlayerSecondTeam.
constexpr int sharedPlayerSecondTeam = 9;
constexpr int unrecognisedFootPlayer = 5; // foot byte 18 or more
constexpr int negativeRawWordPlayer = 6;  // raw word 0x8D81, negative as a signed word

// Ranges every intact record keeps to (shown values).
constexpr int minAge = 17, maxAge = 40;
constexpr int minHeight = 165, maxHeight = 200;
constexpr int minWeight = 55, maxWeight = 95;
constexpr int minAbility = 40, maxAbility = 99;
constexpr int minFace = 300, maxFace = 3000;
constexpr int minHair = 3574, maxHair = 3999;

// The player's ID: unique and positive, in no particular order. Records 6451-6591 are covered by
// the roster table in the file, so the file does not hold their IDs.
qint32 playerId(int index);
// The name written into the record (46 bytes at most); what the file holds for intact records.
QString playerName(int index);

// The decompressed player database. The bytes of a record that the editor does not read hold
// fields of the game's kind (most of them one value or a few small ones), or, for the benchmark
// of the compressor, random bytes: a database as hard to pack as any.
enum class UnreadBytes { AsFields, AsNoise };
QByteArray playerDatabase(UnreadBytes unread = UnreadBytes::AsFields);

// ---- The team file ----

constexpr qint64 teamFileSize = 280000;

// Long-name entries whose slot 0 starts with "DUMMY": "DUMMY TEAM 2", "DUMMY", "DUMMY 3".
constexpr std::array<int, 3> longNamePlaceholders{60, 165, 199};
// Short-name entries "DMY". The team ID of entry 77 is the first two bytes of long-name entry 70
// ("St" of "Stoke City"), which it lies on; the others hold 297, 298 and 300.
constexpr std::array<int, 4> shortNamePlaceholders{3, 12, 77, 200};

// Listed teams with something particular about them (indexes into teams()).
constexpr int fullRosterTeam = 57;      // all 32 roster slots filled
constexpr int roster25Team = 58;        // exactly 25 filled
constexpr int minusOneIdTeam = 100;     // team ID -1 (FF FF)
constexpr int id16Team = 10;            // team ID 16 (10 00)
constexpr int lowerCaseDummyTeam = 195; // "dummy fc": listed, not a placeholder
constexpr int fullWidthNameTeam = 196;  // a 70-character name: slot 0 holds no zero byte
// Short-name entry 183 lies at the start of long-name entry 165 ("DUMMY"): its short name "DUM",
// the unread byte and its team ID 89 (59 00) spell "DUMMY" and the terminating zero.
constexpr int dummyOverlapTeam = 180;
constexpr int minRosterSize = 23;
// The first nationalTeamCount listed teams are national teams, the others clubs. Each national
// team calls up calledUpPerNationalTeam club players, in the slots just before its last filled
// one; the players those slots held become free agents. Called-up players play for one club and
// one national team; every other player is in at most one squad, and about a fifth of the
// players are in none.
constexpr int nationalTeamCount = 57;
constexpr int calledUpPerNationalTeam = 5;

struct Team {
    QString name;      // slot 0 of the long-name entry, and slots 1-4, 7-11, 14, 15
    QString variant;   // slots 5, 6, 12 and 13 (the name in capitals)
    QString shortName; // three characters, in both tables
    qint16 id = 0;
    int longEntry = 0;  // index of the long-name entry
    int shortEntry = 0; // index of the short-name entry
    QList<int> players; // player indexes in roster slot order; the remaining slots are empty
    std::array<quint8, RosterLayout::slotCount> shirtNumbers{}; // unique; 0 in empty slots
};

// The listed teams in list order: team j is the j-th listed long-name entry, the j-th listed
// short-name entry and roster record j.
const QList<Team>& teams();

// The decompressed team file.
QByteArray teamFile();

// ---- The game folder ----

// The container form of each of the two game files.
struct GameFileForms {
    Container::Form playerDatabase;
    Container::Form teamFile;
};

// The forms of the game's PC data: sizes little-endian, the player database behind 00 01 01
// "WESYS" and padded with zeros to 16 bytes, the team file behind 00 00 01 "WESYS" and unpadded.
inline constexpr GameFileForms pcForms{
    Container::Form{{0x00, 0x01, 0x01, 'W', 'E', 'S', 'Y', 'S'}, false, 16},
    Container::Form{{0x00, 0x00, 0x01, 'W', 'E', 'S', 'Y', 'S'}, false, 1}};

// Form sets by name, for tests of the other forms: "pc" (pcForms), "be" (the same with big-endian
// sizes, as console data has them) and "plain" (both files as the codec tool writes a file
// without an original: 00 01 01 "WESYS", little-endian, unpadded).
inline constexpr std::array<const char*, 3> formSetNames{"pc", "be", "plain"};
std::optional<GameFileForms> formSet(const QString& name);

// Writes unnamed_25.bin and unnamed_32.bin compressed in the given forms into `dir`, creating it
// when needed; with `raw` also their decompressed working copies (name + ".unzlib"). On failure
// returns false with the reason in `error`.
bool writeGameFolder(const QString& dir, bool raw, QString* error,
                     const GameFileForms& forms = pcForms);

// The paths writeGameFolder writes, game files first.
QStringList gameFolderFiles(const QString& dir, bool raw);

} // namespace SampleBuilder
