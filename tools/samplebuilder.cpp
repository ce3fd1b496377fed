#include "tools/samplebuilder.h"

#include "codec/container.h"
#include "common/gametext.h"
#include "player/abilitytable.h"
#include "player/positiontable.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <iterator>
#include <numeric>
#include <optional>
#include <vector>

namespace SampleBuilder {

namespace {

// splitmix64: small, fast and the same on every platform, so the files never change.
class Random {
public:
    explicit Random(quint64 seed) : m_state(seed) {}

    quint64 next() {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // A value from low to high, both included.
    int between(int low, int high) { return low + int(next() % quint64(high - low + 1)); }
    bool chance(int percent) { return between(0, 99) < percent; }
    quint8 byte() { return quint8(next() >> 56); }
    template <typename T, std::size_t n> T pick(const T (&choices)[n]) {
        return choices[next() % n];
    }

private:
    quint64 m_state;
};

constexpr quint64 playerSeed = 0x25C0FFEE2011ULL;
constexpr quint64 rosterSeed = 0x32DECAF2011ULL;
constexpr quint64 tailSeed = 0x7A11ULL;

template <typename T> void putLittleEndian(QByteArray& bytes, qint64 offset, T value) {
    qToLittleEndian<T>(value, bytes.data() + offset);
}

void putField(QByteArray& bytes, qint64 offset, const QString& text, int width) {
    const auto field = GameText::encodeField(text, width);
    Q_ASSERT_X(field, "SampleBuilder", "text does not fit its field");
    const QByteArray written = field.value_or(QByteArray(width, '\0'));
    bytes.replace(offset, width, written);
}

// ---- Player names ----

const char* const firstNames[] = {
    "Adam",     "Adrián",   "Alberto", "Alessandro", "Alexandre", "Anders",    "Andrés",
    "Antonio",  "Bastian",  "Björn",   "Bruno",      "Carlos",    "Christian", "Cristian",
    "Daniel",   "David",    "Diego",   "Dimitar",    "Emmanuel",  "Erik",      "Fabio",
    "Felipe",   "Fernando", "Florent", "Francesco",  "François",  "Frank",     "Gareth",
    "Georgios", "Gonzalo",  "Hugo",    "Ivan",       "Jakub",     "James",     "Jan",
    "Javier",   "Jérôme",   "João",    "Jonas",      "José",      "Juan",      "Julien",
    "Kevin",    "Lucas",    "Luis",    "Marco",      "Mario",     "Martin",    "Mateo",
    "Michael",  "Miguel",   "Nicolás", "Olivier",    "Pablo",     "Patrick",   "Paulo",
    "Pedro",    "Rafael",   "Ricardo", "Robert",     "Sami",      "Sergio",    "Stefan",
    "Yannick"};

const char* const surnames[] = {
    "Adams",      "Álvarez", "Andersen", "Baptista", "Becker",    "Bernard",  "Bianchi",  "Blanco",
    "Bondarenko", "Brown",   "Campbell", "Carvalho", "Castro",    "Clarke",   "Costa",    "Cruz",
    "Dahl",       "de Jong", "Delgado",  "Diallo",   "Dubois",    "Eriksson", "Esposito", "Evans",
    "Fernandes",  "Ferrari", "Fischer",  "Fontaine", "Gallo",     "García",   "Girard",   "Gómez",
    "Gonçalves",  "Greco",   "Hansen",   "Hartmann", "Herrera",   "Hoffmann", "Høiland",  "Horvat",
    "Ibáñez",     "Ivanov",  "Jansen",   "Jensen",   "Johansson", "Kamara",   "Keller",   "Koch",
    "Kovacs",     "Krüger",  "Lambert",  "Larsen",   "Lefèvre",   "Lehmann",  "Lombardi", "López",
    "Lund",       "Marino",  "Martínez", "Meier",    "Mendes",    "Mertens",  "Moreau",   "Moreno",
    "Müller",     "Navarro", "Nielsen",  "Novak",    "Núñez",     "Okafor",   "Olsen",    "Ortega",
    "Pedersen",   "Peeters", "Pereira",  "Petrov",   "Richter",   "Rizzo",    "Romero",   "Rossi",
    "Rousseau",   "Ruiz",    "Santos",   "Schmidt",  "Schneider", "Schulz",   "Silva",    "Smith",
    "Sørensen",   "Souza",   "Suárez",   "Taylor",   "Torres",    "Traoré",   "Van Dijk", "Vargas",
    "Vidal",      "Vogel",   "Wagner",   "Walker",   "Weber",     "Wilson",   "Wójcik",   "Yilmaz",
    "Zanetti",    "Ziegler"};

static_assert(std::size(firstNames) * std::size(surnames) >= PlayerLayout::recordCount,
              "every player needs a name of his own");

// The multiplier walks the name combinations in an order unrelated to the record order.
constexpr int nameStep = 4099;
constexpr int idStep = 2731;

struct NamedPlayer {
    int index;
    const char* name;
    const char* shirtName;
};

const NamedPlayer namedPlayers[] = {
    {accentedNamePlayer, "Mesut Özil", "ÖZIL"},
    {fullWidthNamePlayer, "Francisco Javier Rodríguez Hernández y Sánchez", "SÁNCHEZ"},
};

struct GeneratedName {
    QString name;
    QString shirtName;
};

GeneratedName generatedName(int index) {
    for (const auto& [original, copy] : duplicateNamePlayers)
        if (index == copy)
            index = original;
    for (const NamedPlayer& named : namedPlayers)
        if (named.index == index)
            return {QString::fromUtf8(named.name), QString::fromUtf8(named.shirtName)};
    const int combination = int((qint64(index) * nameStep) % PlayerLayout::recordCount);
    const int first = combination % int(std::size(firstNames));
    const int last = combination / int(std::size(firstNames));
    const QString surname = QString::fromUtf8(surnames[last]);
    return {QString::fromUtf8(firstNames[first]) + QLatin1Char(' ') + surname, surname.toUpper()};
}

// ---- Player records ----

// Codes the position table reads, outfield positions only; goalkeepers are drawn apart.
const int outfieldCodes[] = {50,  48,  32,  64,  65,  66,  96,  97,  98,  80,  81,  82,  112, 113,
                             114, 128, 129, 130, 144, 145, 146, 160, 176, 177, 179, 192, 193, 178};
const int goalkeeperCodes[] = {0, 0, 0, 4, 8, 12};
const qint16 unusualRawWords[] = {0x4D82, 0x1D81, 0x0D82, 0x2D81};
constexpr int goalkeeperSkillSlot = 25; // high for goalkeepers only

// Ability slot whose flag marks the registered position as playable.
int playableSlotForCode(int code) {
    const int box = PositionTable::checkBoxForEntry(PositionTable::entryForCode(code));
    for (const AbilitySlot& slot : abilitySlots)
        if (slot.slot < PositionTable::entryCount && slot.flagBox == box)
            return slot.slot;
    Q_ASSERT_X(false, "SampleBuilder", "position code without a playable-position slot");
    return 0;
}

// The player's strengths by his line: what the ability slots (in slot order) add to his overall
// level. Goalkeepers keep goal, defenders defend, forwards shoot: the spread of real databases,
// which is what a compressor meets in users' files.
enum class Line { Goalkeeper, Defender, Midfielder, Forward };
constexpr std::array<std::array<qint8, PlayerLayout::abilitySlotCount>, 4> lineProfiles{{
    // GK
    {{-25, -15, 0,   -5,  -12, -10, 5,   0, -20, -20, -8, -8, -5,
      0,   -25, -10, -25, -20, -20, -15, 5, -15, -10, 0,  3,  15}},
    // defenders
    {{-15, 12,  5,  2,   -2,  -4,  4, -6, -10, -10, -2, 0, -3,
      2,   -15, -3, -15, -15, -12, 8, 6,  -8,  6,   4,  3, -40}},
    // midfielders
    {{0, -2, -2, 6, 0, 0, 2, 3, 4, 0, 8, 4, 6, 4, -2, 0, -1, 2, 3, -6, -4, 6, 0, 5, 2, -40}},
    // forwards
    {{12, -20, 0, -2, 6, 6, 4, 4, 5, 4, -2, -2, -6, -3, 10, 6, 6, -2, 0, 2, 1, 4, -2, -4, 0, -40}},
}};

Line lineOf(int code) {
    if (code < 16)
        return Line::Goalkeeper;
    if (code < 80 || (code >= 96 && code < 112))
        return Line::Defender;
    if (code < 160)
        return Line::Midfielder;
    return Line::Forward;
}

// A value around `mean`, the sum of three draws: most near the middle, few at the ends.
int around(Random& rng, int mean, int spread) {
    const int sum =
        rng.between(-spread, spread) + rng.between(-spread, spread) + rng.between(-spread, spread);
    return mean + sum / 3;
}

// The bytes of a record the editor does not read hold the game's other fields (appearance,
// nationality, boots, ...). Each offset is a field of its own across the records, as in the
// game's files: most hold one value, or one of a few small ones; some are spread wider.
constexpr quint64 unreadSeed = 0x0DDB17E5ULL;

quint8 unreadByte(int offsetInRecord, Random& rng) {
    Random field(unreadSeed ^ (quint64(offsetInRecord) << 8));
    const int kind = field.between(0, 99);
    const int value = field.between(1, 255);
    if (kind < 45)
        return 0;
    if (kind < 65)
        return quint8(value); // the same in every record
    if (kind < 90)
        return quint8(rng.between(0, field.between(1, 15))); // a small number
    return quint8(rng.between(0, 99));
}

void writePlayer(QByteArray& db, int index, UnreadBytes unread) {
    using namespace PlayerLayout;
    Random rng(playerSeed ^ (quint64(index) << 20));
    const qint64 start = recordStart(index);
    const qint64 n = nameOffset(index);

    for (qint64 at = start; at < start + recordSize; ++at)
        db[at] =
            char(unread == UnreadBytes::AsFields ? unreadByte(int(at - start), rng) : rng.byte());

    putLittleEndian<qint32>(db, n + PlayerLayout::playerId, SampleBuilder::playerId(index));
    const GeneratedName names = generatedName(index);
    putField(db, n + name, names.name, nameWidth);
    putField(db, n + shirtName, names.shirtName, shirtNameWidth);

    db[n + spacing] = char(rng.chance(70) ? rng.between(0, 3) : rng.between(4, 15));
    quint8 footByte = rng.chance(25) ? 1 : 0;
    if (rng.chance(15))
        footByte |= quint8(rng.between(1, 8) * 2);
    if (index == unrecognisedFootPlayer || rng.chance(1))
        footByte = quint8(rng.between(18, 40));
    db[n + foot] = char(footByte);

    const bool goalkeeper = rng.chance(10);
    const int code = goalkeeper ? rng.pick(goalkeeperCodes) : rng.pick(outfieldCodes);
    db[n + positionCode] = char(code);
    const Line line = lineOf(code);

    std::array<quint8, abilityBlockSize> block{};
    const int level = around(rng, 67, 18);
    for (int slot = 0; slot < abilitySlotCount; ++slot)
        block[slot] = quint8(std::clamp(level + lineProfiles[int(line)][slot] + rng.between(-4, 4),
                                        minAbility, maxAbility));
    block[goalkeeperSkillSlot] =
        quint8(goalkeeper ? std::clamp(level + 15, 70, maxAbility) : rng.between(minAbility, 50));
    block[playableSlotForCode(code)] |= flagBit;
    for (int extra = 0; extra < 2; ++extra)
        if (!goalkeeper && rng.chance(extra == 0 ? 20 : 5))
            block[rng.between(1, PositionTable::entryCount - 1)] |= flagBit;
    for (int slot = PositionTable::entryCount; slot < abilitySlotCount; ++slot)
        if (rng.chance(4))
            block[slot] |= flagBit;
    block[26] = quint8(rng.between(0, 3));
    block[27] = quint8(rng.between(0, 3));
    quint8 special = 0;
    for (const SpecialAbilityBit& bit : specialAbilityBits)
        if (bit.value != penaltyStopperFlag && rng.chance(6))
            special |= quint8(bit.value);
    if (goalkeeper && rng.chance(30))
        special |= penaltyStopperFlag;
    block[specialAbilitySlot] = special;
    block[penaltyStopperSlot] = (special & penaltyStopperFlag)
                                    ? penaltyStopperFlag
                                    : quint8(rng.chance(80) ? 0 : rng.between(1, 10));
    const quint8 throwFlag = rng.chance(10) ? longThrowFlag : 0;
    block[longThrowSlot] = quint8(throwFlag | (rng.chance(80) ? 0 : rng.between(1, 7)));
    for (int slot = 0; slot < abilityBlockSize; ++slot)
        db[n + abilityBlock + slot] = char(block[slot]);

    const int tallness = line == Line::Goalkeeper || code == 48 || code == 32 ? 6 : 0;
    const int heightValue = std::clamp(around(rng, 180 + tallness, 15), minHeight, maxHeight);
    db[n + height] = char(heightValue - heightShift);
    const int weightValue =
        std::clamp(heightValue - 105 + rng.between(-6, 8), minWeight, maxWeight);
    db[n + weight] = char(weightValue | (rng.chance(3) ? flagBit : 0));
    qint16 word = rng.chance(85) ? qint16(0x0D81) : rng.pick(unusualRawWords);
    if (index == negativeRawWordPlayer)
        word = qint16(quint16(0x8D81));
    putLittleEndian<qint16>(db, n + rawWord, word);
    putLittleEndian<qint16>(db, n + faceBase, qint16(rng.between(minFace, maxFace) - faceShift));
    putLittleEndian<qint16>(db, n + hairBase, qint16(rng.between(minHair, maxHair) - hairShift));
    db[n + age] = char(std::clamp(around(rng, 26, 10), minAge, maxAge) + ageShift);
}

// ---- Teams ----

struct TeamName {
    const char* name;
    const char* shortName;
};

// Listed teams in list order. Where a short-name entry lies inside slot 0 of a long-name entry,
// that entry's name is short enough to end before it.
const TeamName teamNames[] = {
    {"Austria", "AUT"},
    {"Belgium", "BEL"},
    {"Bulgaria", "BUL"},
    {"Croatia", "CRO"},
    {"Czech Republic", "CZE"},
    {"Denmark", "DEN"},
    {"England", "ENG"},
    {"Finland", "FIN"},
    {"France", "FRA"},
    {"Germany", "GER"},
    {"Greece", "GRE"},
    {"Hungary", "HUN"},
    {"Republic of Ireland", "IRL"},
    {"Israel", "ISR"},
    {"Italy", "ITA"},
    {"Netherlands", "NED"},
    {"Northern Ireland", "NIR"},
    {"Norway", "NOR"},
    {"Poland", "POL"},
    {"Portugal", "POR"},
    {"Romania", "ROU"},
    {"Russia", "RUS"},
    {"Scotland", "SCO"},
    {"Serbia", "SRB"},
    {"Slovakia", "SVK"},
    {"Slovenia", "SVN"},
    {"Spain", "ESP"},
    {"Sweden", "SWE"},
    {"Switzerland", "SUI"},
    {"Turkey", "TUR"},
    {"Ukraine", "UKR"},
    {"Wales", "WAL"},
    {"Cameroon", "CMR"},
    {"Côte d'Ivoire", "CIV"},
    {"Ghana", "GHA"},
    {"Nigeria", "NGA"},
    {"South Africa", "RSA"},
    {"Algeria", "ALG"},
    {"Egypt", "EGY"},
    {"Argentina", "ARG"},
    {"Brazil", "BRA"},
    {"Colombia", "COL"},
    {"Ecuador", "ECU"},
    {"Paraguay", "PAR"},
    {"Chile", "CHI"},
    {"Peru", "PER"},
    {"Uruguay", "URU"},
    {"Venezuela", "VEN"},
    {"Mexico", "MEX"},
    {"United States", "USA"},
    {"Honduras", "HON"},
    {"Costa Rica", "CRC"},
    {"Japan", "JPN"},
    {"Korea Republic", "KOR"},
    {"Australia", "AUS"},
    {"New Zealand", "NZL"},
    {"Bosnia-Herzegovina", "BIH"},
    {"Arsenal London", "ARS"},
    {"Aston Villa", "AVL"},
    {"Birmingham City", "BIR"},
    {"Blackburn Rovers", "BLB"},
    {"Bolton Wanderers", "BOL"},
    {"Chelsea FC", "CHE"},
    {"Everton FC", "EVE"},
    {"Fulham FC", "FUL"},
    {"Liverpool FC", "LIV"},
    {"Manchester City", "MCI"},
    {"Manchester United", "MUN"},
    {"Newcastle United", "NEW"},
    {"Stoke City", "STK"},
    {"Sunderland AFC", "SUN"},
    {"Tottenham Hotspur", "TOT"},
    {"West Bromwich Albion", "WBA"},
    {"West Ham United", "WHU"},
    {"Wigan Athletic", "WIG"},
    {"Wolverhampton Wanderers", "WOL"},
    {"AJ Auxerre", "AUX"},
    {"AS Monaco", "MON"},
    {"AS Nancy-Lorraine", "NAN"},
    {"AS Saint-Étienne", "STE"},
    {"FC Lorient", "LOR"},
    {"FC Sochaux-Montbéliard", "SOC"},
    {"Girondins de Bordeaux", "BOR"},
    {"LOSC Lille", "LIL"},
    {"Montpellier HSC", "MTP"},
    {"OGC Nice", "NIC"},
    {"Olympique Lyonnais", "LYO"},
    {"Olympique de Marseille", "MAR"},
    {"Paris Saint-Germain", "PSG"},
    {"RC Lens", "LEN"},
    {"Stade Brestois", "BRE"},
    {"Stade Rennais", "REN"},
    {"Toulouse FC", "TFC"},
    {"Valenciennes FC", "VAF"},
    {"AC Milan", "MIL"},
    {"ACF Fiorentina", "FIO"},
    {"AS Bari", "BRI"},
    {"AS Roma", "ROM"},
    {"Bologna FC", "BFC"},
    {"Brescia Calcio", "BRS"},
    {"Cagliari Calcio", "CAG"},
    {"Calcio Catania", "CAT"},
    {"Chievo Verona", "CHV"},
    {"FC Internazionale", "INT"},
    {"Genoa CFC", "GEN"},
    {"Juventus FC", "JUV"},
    {"SS Lazio", "LAZ"},
    {"Parma FC", "PRM"},
    {"SSC Napoli", "NAP"},
    {"UC Sampdoria", "SAM"},
    {"Udinese Calcio", "UDI"},
    {"US Città di Palermo", "PAL"},
    {"US Lecce", "LEC"},
    {"AFC Ajax", "AJA"},
    {"AZ Alkmaar", "AZA"},
    {"FC Groningen", "GRO"},
    {"FC Twente", "TWE"},
    {"FC Utrecht", "UTR"},
    {"Feyenoord", "FEY"},
    {"Heracles Almelo", "HRA"},
    {"NAC Breda", "NAC"},
    {"NEC Nijmegen", "NEC"},
    {"PSV Eindhoven", "PSV"},
    {"Roda JC", "RJC"},
    {"SC Heerenveen", "HEE"},
    {"Vitesse Arnhem", "VIT"},
    {"ADO Den Haag", "ADO"},
    {"Athletic Bilbao", "ATH"},
    {"Atlético Madrid", "ATM"},
    {"CA Osasuna", "OSA"},
    {"Deportivo La Coruña", "DEP"},
    {"FC Barcelona", "BAR"},
    {"Getafe CF", "GET"},
    {"Hércules CF", "HER"},
    {"Levante UD", "LEV"},
    {"Málaga CF", "MAL"},
    {"RCD Espanyol", "ESY"},
    {"RCD Mallorca", "MLL"},
    {"Real Madrid", "RMA"},
    {"Racing Santander", "RAC"},
    {"Real Sociedad", "RSO"},
    {"Real Zaragoza", "ZAR"},
    {"Sevilla FC", "SEV"},
    {"Sporting Gijón", "SPG"},
    {"UD Almería", "ALM"},
    {"Valencia CF", "VAL"},
    {"Villarreal CF", "VIL"},
    {"SL Benfica", "BEN"},
    {"FC Porto", "FCP"},
    {"Sporting CP", "SCP"},
    {"SC Braga", "SCB"},
    {"Vitória Guimarães", "VSC"},
    {"Celtic Glasgow", "CEL"},
    {"Rangers Glasgow", "RAN"},
    {"Hearts of Midlothian", "HEA"},
    {"Aberdeen FC", "ABE"},
    {"FC Bayern München", "FCB"},
    {"Borussia Dortmund", "BVB"},
    {"Werder Bremen", "SVW"},
    {"Hamburger SV", "HSV"},
    {"FC Schalke 04", "S04"},
    {"Bayer 04 Leverkusen", "B04"},
    {"VfB Stuttgart", "VFB"},
    {"Olympiacos", "OLY"},
    {"Panathinaikos", "PAO"},
    {"AEK Athens", "AEK"},
    {"Galatasaray", "GAL"},
    {"Fenerbahçe", "FEN"},
    {"Besiktas", "BJK"},
    {"Dynamo Kyiv", "DYN"},
    {"Shakhtar Donetsk", "SHA"},
    {"CSKA Moskva", "CSK"},
    {"Zenit St. Petersburg", "ZEN"},
    {"Spartak Moskva", "SPA"},
    {"RSC Anderlecht", "AND"},
    {"Club Brugge", "BRU"},
    {"Standard Liège", "STL"},
    {"FC Basel", "BAS"},
    {"FC Zürich", "ZUR"},
    {"FC København", "FCK"},
    {"Dumbarton FC", "DUM"},
    {"Brøndby IF", "BIF"},
    {"Rosenborg BK", "RBK"},
    {"Malmö FF", "MFF"},
    {"IFK Göteborg", "IFK"},
    {"Red Bull Salzburg", "RBS"},
    {"SK Rapid Wien", "RAP"},
    {"Dinamo Zagreb", "DZG"},
    {"Ferencváros", "FTC"},
    {"Boca Juniors", "BOC"},
    {"River Plate", "RIV"},
    {"SC Internacional", "INR"},
    {"Flamengo", "FLA"},
    {"Santos FC", "SAN"},
    {"Club América", "AME"},
    {"dummy fc", "DFC"},
    {"Sociedad Deportiva y Cultural Atlético Unión de San Martín de Misiones", "SMA"},
};

static_assert(std::size(teamNames) == teamCount);
static_assert(TeamNameLayout::longNameCount - int(longNamePlaceholders.size()) == teamCount);
static_assert(TeamNameLayout::shortNameCount - int(shortNamePlaceholders.size()) == teamCount);
static_assert(rosterTableEnd <= PlayerLayout::tableEnd);

const char* const longPlaceholderNames[] = {"DUMMY TEAM 2", "DUMMY", "DUMMY 3"};
// Team IDs of the short-name placeholders; none for the one whose ID bytes start a listed name.
const std::optional<qint16> shortPlaceholderIds[] = {297, 298, std::nullopt, 300};
static_assert(std::size(shortPlaceholderIds) == shortNamePlaceholders.size());

qint16 teamIdFor(int team) {
    switch (team) {
    case minusOneIdTeam:
        return -1;
    case id16Team:
        return 16;
    case dummyOverlapTeam:
        return 0x0059; // "Y" and a zero byte, see dummyOverlapTeam
    default:
        return qint16(100 + team);
    }
}

template <std::size_t n> bool contains(const std::array<int, n>& list, int value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

// Entry index of each listed team in a table with placeholders at the given entries.
template <std::size_t n> QList<int> listedEntries(int entryCount, const std::array<int, n>& skip) {
    QList<int> entries;
    for (int entry = 0; entry < entryCount; ++entry)
        if (!contains(skip, entry))
            entries << entry;
    return entries;
}

QList<Team> buildTeams() {
    const QList<int> longEntries =
        listedEntries(TeamNameLayout::longNameCount, longNamePlaceholders);
    const QList<int> shortEntries =
        listedEntries(TeamNameLayout::shortNameCount, shortNamePlaceholders);

    Random rng(rosterSeed);
    std::vector<int> pool(rosterablePlayerCount);
    std::iota(pool.begin(), pool.end(), 0);
    for (std::size_t i = pool.size() - 1; i > 0; --i)
        std::swap(pool[i], pool[std::size_t(rng.next() % (i + 1))]);
    std::size_t nextPlayer = 0;

    QList<Team> result;
    for (int j = 0; j < teamCount; ++j) {
        Team team;
        team.name = QString::fromUtf8(teamNames[j].name);
        team.variant = team.name.toUpper();
        team.shortName = QString::fromUtf8(teamNames[j].shortName);
        team.id = teamIdFor(j);
        team.longEntry = longEntries[j];
        team.shortEntry = shortEntries[j];

        const int size = j == fullRosterTeam ? RosterLayout::slotCount
                         : j == roster25Team ? 25
                                             : rng.between(minRosterSize, RosterLayout::slotCount);
        // Even 32 players for every team would leave players over.
        for (int slot = 0; slot < size; ++slot)
            team.players << pool[nextPlayer++];

        std::array<quint8, 99> numbers{};
        std::iota(numbers.begin(), numbers.end(), quint8(1));
        for (std::size_t i = 0; i < RosterLayout::slotCount; ++i)
            std::swap(numbers[i], numbers[i + std::size_t(rng.next() % (numbers.size() - i))]);
        std::copy_n(numbers.begin(), size, team.shirtNumbers.begin());
        result << team;
    }
    result[sharedPlayerSecondTeam].players.last() = result[fullRosterTeam].players.first();

    // Call-ups: club players taken from slot 1 on, one club after the other, so that no club
    // loses more than a few and no player is called up twice.
    constexpr int clubCount = teamCount - nationalTeamCount;
    for (int j = 0; j < nationalTeamCount; ++j) {
        QList<int>& squad = result[j].players;
        for (int k = 0; k < calledUpPerNationalTeam; ++k) {
            const int call = j * calledUpPerNationalTeam + k;
            const int club = nationalTeamCount + call % clubCount;
            squad[squad.size() - 2 - k] = result[club].players[1 + call / clubCount];
        }
    }
    return result;
}

void writeRosters(QByteArray& db) {
    using namespace RosterLayout;
    const QList<Team>& all = teams();
    for (int j = 0; j < all.size(); ++j) {
        const Team& team = all[j];
        const qint64 start = recordStart(j);
        putLittleEndian<qint32>(db, start + teamId, qint32(team.id));
        for (int slot = 0; slot < slotCount; ++slot) {
            const qint32 id = slot < team.players.size() ? playerId(team.players[slot]) : 0;
            putLittleEndian<qint32>(db, start + playerIds + 4 * slot, id);
            db[start + shirtNumbers + slot] = char(team.shirtNumbers[slot]);
        }
    }
}

void writeLongNameEntry(QByteArray& file, int entry, const QString& name, const QString& variant,
                        const QString& shortName) {
    using namespace TeamNameLayout;
    const qint64 start = longNameOffset(entry);
    for (int slot = 0; slot < nameSlotCount; ++slot) {
        const bool renamed =
            std::find(renamedSlots.begin(), renamedSlots.end(), slot) != renamedSlots.end();
        putField(file, start + qint64(slot) * nameSlotWidth, renamed ? name : variant,
                 nameSlotWidth);
    }
    putField(file, start + renamedShortName, shortName, shortNameWidth);
}

// The unread byte after the short name is left as it is, and so is the team ID when none is given.
void writeShortNameEntry(QByteArray& file, int entry, const QString& shortName,
                         std::optional<qint16> id) {
    using namespace TeamNameLayout;
    const qint64 start = shortNameOffset(entry);
    putField(file, start, shortName, shortNameWidth);
    if (id)
        putLittleEndian<qint16>(file, start + teamIdInShortEntry, *id);
}

bool writeFile(const QString& path, const QByteArray& bytes, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        *error = QStringLiteral("Cannot write %1: %2")
                     .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

} // namespace

qint32 playerId(int index) {
    // A permutation of the record indexes, spread out, plus a little noise that keeps it unique.
    const qint64 spread = (qint64(index) * idStep) % PlayerLayout::recordCount;
    return qint32(1 + spread * 7 + index % 5);
}

QString playerName(int index) {
    return generatedName(index).name;
}

QByteArray playerDatabase(UnreadBytes unread) {
    QByteArray db(playerDatabaseSize, '\0');
    // The header is not read by the editor: the game's version, then the table's shape.
    putLittleEndian<qint32>(db, 0, 2011);
    putLittleEndian<qint32>(db, 4, PlayerLayout::recordCount);
    putLittleEndian<qint32>(db, 8, qint32(PlayerLayout::recordSize));
    putLittleEndian<qint32>(db, 12, qint32(PlayerLayout::tableStart));
    putLittleEndian<qint32>(db, 16, qint32(RosterLayout::tableStart));
    putLittleEndian<qint32>(db, 20, teamCount);
    for (int index = 0; index < PlayerLayout::recordCount; ++index)
        writePlayer(db, index, unread);
    Random rng(tailSeed);
    for (qint64 at = PlayerLayout::tableEnd; at < playerDatabaseSize; ++at)
        db[at] = char(rng.byte());
    // The game keeps the roster table over the last player records, so it is written last.
    writeRosters(db);
    return db;
}

const QList<Team>& teams() {
    static const QList<Team> all = buildTeams();
    return all;
}

QByteArray teamFile() {
    QByteArray file(teamFileSize, '\0');
    putLittleEndian<qint32>(file, 0, 2011);
    putLittleEndian<qint32>(file, 4, TeamNameLayout::longNameCount);
    putLittleEndian<qint32>(file, 8, TeamNameLayout::shortNameCount);

    const QList<Team>& all = teams();
    for (std::size_t p = 0; p < longNamePlaceholders.size(); ++p) {
        const QString name = QString::fromLatin1(longPlaceholderNames[p]);
        writeLongNameEntry(file, longNamePlaceholders[p], name, name,
                           QString::fromLatin1(TeamNameLayout::dummyShortName));
    }
    for (const Team& team : all)
        writeLongNameEntry(file, team.longEntry, team.name, team.variant, team.shortName);

    // The short-name entries share their bytes with the long-name entries, so they come second.
    for (std::size_t p = 0; p < shortNamePlaceholders.size(); ++p)
        writeShortNameEntry(file, shortNamePlaceholders[p],
                            QString::fromLatin1(TeamNameLayout::dummyShortName),
                            shortPlaceholderIds[p]);
    for (const Team& team : all)
        writeShortNameEntry(file, team.shortEntry, team.shortName, team.id);
    return file;
}

QStringList gameFolderFiles(const QString& dir, bool raw) {
    const QDir folder(dir);
    QStringList paths{folder.filePath(QString::fromLatin1(playerFileName)),
                      folder.filePath(QString::fromLatin1(teamFileName))};
    if (raw) {
        paths << paths[0] + QString::fromLatin1(workingCopySuffix)
              << paths[1] + QString::fromLatin1(workingCopySuffix);
    }
    return paths;
}

std::optional<GameFileForms> formSet(const QString& name) {
    if (name == QLatin1String(formSetNames[0]))
        return pcForms;
    if (name == QLatin1String(formSetNames[1])) {
        GameFileForms forms = pcForms;
        forms.playerDatabase.bigEndian = forms.teamFile.bigEndian = true;
        return forms;
    }
    if (name == QLatin1String(formSetNames[2]))
        return GameFileForms{Container::Form{}, Container::Form{}};
    return std::nullopt;
}

bool writeGameFolder(const QString& dir, bool raw, QString* error, const GameFileForms& forms) {
    QString ignored;
    if (!error)
        error = &ignored;
    if (!QDir().mkpath(dir)) {
        *error = QStringLiteral("Cannot create the folder %1").arg(QDir::toNativeSeparators(dir));
        return false;
    }
    const QStringList paths = gameFolderFiles(dir, raw);
    const QByteArray contents[] = {playerDatabase(), teamFile()};
    const Container::Form formOfFile[] = {forms.playerDatabase, forms.teamFile};
    for (int file = 0; file < 2; ++file) {
        const Container::Result packed = Container::compress(contents[file], formOfFile[file]);
        if (!packed.ok()) {
            *error = QStringLiteral("Cannot compress %1: %2")
                         .arg(QDir::toNativeSeparators(paths[file]), packed.error);
            return false;
        }
        if (!writeFile(paths[file], packed.bytes, error))
            return false;
        if (raw && !writeFile(paths[2 + file], contents[file], error))
            return false;
    }
    return true;
}

} // namespace SampleBuilder
