#include "exchange/playercolumns.h"

#include "appearance/relink.h"
#include "exchange/bytechanges.h"
#include "player/abilitytable.h"
#include "player/playeredits.h"
#include "player/positiontable.h"
#include "sheetformats/cellvalue.h"
#include "sheetformats/sheetwriter.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace PlayerColumns {

namespace {

namespace L = PlayerLayout;

// Ability columns by the caption of their box; the slot comes from the ability table.
constexpr std::pair<const char*, const char*> abilityColumns[] = {
    {"attack", "Attack"},
    {"defence", "Defence"},
    {"balance", "Balance"},
    {"stamina", "Stamina"},
    {"speed", "Speed"},
    {"acceleration", "Acceleration"},
    {"response", "Response"},
    {"agility", "Agility"},
    {"dribble_accuracy", "Dribble Accuracy"},
    {"dribble_speed", "Dribble Speed"},
    {"short_pass_accuracy", "Short Pass Accur"},
    {"short_pass_speed", "Short Pass Speed"},
    {"long_pass_accuracy", "Long Pass Accur"},
    {"long_pass_speed", "Long Pass Speed"},
    {"shot_accuracy", "Shot Accuracy"},
    {"shot_power", "Shot Power"},
    {"shot_technique", "Shot Technique"},
    {"free_kick_accuracy", "Free Kick Accur"},
    {"swerve", "Curving / Swerve"},
    {"heading", "Heading"},
    {"jump", "Jump"},
    {"technique", "Technique"},
    {"aggression", "Aggression"},
    {"mentality", "Mentality"},
    {"goalkeeper_skills", "Goalkeeper Skills"},
    {"team_work", "Team Work"},
};

// Check box columns by the caption of their box; the box number comes from the ability table.
// "Penalties" has no field and no column.
constexpr std::pair<const char*, const char*> checkColumns[] = {
    {"gk", "GK"},
    {"swp", "SWP"},
    {"cb", "CB"},
    {"sb", "SB"},
    {"wb", "WB"},
    {"dmf", "DMF"},
    {"cmf", "CMF"},
    {"smf", "SMF"},
    {"amf", "AMF"},
    {"wf", "WF"},
    {"ss", "SS"},
    {"cf", "CF"},
    {"centre", "Centre"},
    {"one_on_one_stopper", "1-On-1 Stopper"},
    {"dribbling", "Dribbling"},
    {"tactical_dribble", "Tactical dribble"},
    {"positioning", "Positioning"},
    {"reaction", "Reaction"},
    {"playmaking", "Playmaking"},
    {"passing", "Passing"},
    {"scoring", "Scoring"},
    {"one_one_scoring", "1-1 Scoring"},
    {"post_player", "Post Player"},
    {"side", "Side"},
    {"lines", "Lines"},
    {"middle_shooting", "Middle Shooting"},
    {"one_touch_pass", "1-Touch Pass"},
    {"outside", "Outside"},
    {"marking", "Marking"},
    {"sliding", "Sliding"},
    {"covering", "Covering"},
    {"d_line_control", "D-Line Control"},
    {"penalty_stopper", "Penalty Stopper"},
    {"long_throw", "Long Throw"},
};

int slotOfCaption(const char* caption) {
    for (const AbilitySlot& slot : abilitySlots)
        if (qstrcmp(slot.caption, caption) == 0)
            return slot.slot;
    qFatal("no ability box is captioned %s", caption);
}

int boxOfCaption(const char* caption) {
    for (const AbilitySlot& slot : abilitySlots)
        if (qstrcmp(slot.flagCaption, caption) == 0)
            return slot.flagBox;
    for (const SpecialAbilityBit& bit : specialAbilityBits)
        if (qstrcmp(bit.caption, caption) == 0)
            return bit.checkBox;
    if (qstrcmp(caption, "Long Throw") == 0)
        return longThrowBox;
    qFatal("no check box is captioned %s", caption);
}

std::vector<Column> buildColumns() {
    std::vector<Column> columns{
        {QStringLiteral("index"), Kind::Index},     {QStringLiteral("id"), Kind::Id},
        {QStringLiteral("name"), Kind::Name},       {QStringLiteral("shirt_name"), Kind::ShirtName},
        {QStringLiteral("age"), Kind::Age},         {QStringLiteral("height"), Kind::Height},
        {QStringLiteral("weight"), Kind::Weight},   {QStringLiteral("foot"), Kind::Foot},
        {QStringLiteral("spacing"), Kind::Spacing}, {QStringLiteral("position"), Kind::Position},
    };
    for (const auto& [name, caption] : abilityColumns)
        columns.push_back({QString::fromLatin1(name), Kind::Ability, slotOfCaption(caption)});
    for (const auto& [name, caption] : checkColumns)
        columns.push_back({QString::fromLatin1(name), Kind::Check, boxOfCaption(caption)});
    columns.push_back({QStringLiteral("face"), Kind::Face});
    columns.push_back({QStringLiteral("hair"), Kind::Hair});
    return columns;
}

const QString footCaptions[] = {QStringLiteral("Right"), QStringLiteral("Left")};

// Read once: the export asks for a caption on every row.
const QStringList& positionCaptions() {
    static const QStringList captions = PositionTable::captions();
    return captions;
}

// The cell's value when it is a number: what it stands for in the column.
qint64 numberIn(const Column& column, int index, const ShownPlayer& p) {
    switch (column.kind) {
    case Kind::Index:
        return index;
    case Kind::Id:
        return p.id;
    case Kind::Age:
        return p.age;
    case Kind::Height:
        return p.height;
    case Kind::Weight:
        return p.weight;
    case Kind::Spacing:
        return p.spacing;
    case Kind::Position:
        return p.positionCode; // shown as a number only when it selects no entry
    case Kind::Ability:
        return p.abilities[column.detail];
    case Kind::Check:
        return p.checks[column.detail] ? 1 : 0;
    case Kind::Face:
        return p.face;
    case Kind::Hair:
        return p.hair;
    case Kind::Name:
    case Kind::ShirtName:
    case Kind::Foot:
        break;
    }
    return 0;
}

bool isNumber(const Column& column, const ShownPlayer& p) {
    switch (column.kind) {
    case Kind::Name:
    case Kind::ShirtName:
    case Kind::Foot:
        return false;
    case Kind::Position:
        return p.positionEntry < 0;
    default:
        return true;
    }
}

// Text cells: names, the foot and a position that selects an entry.
QString words(const Column& column, const ShownPlayer& p) {
    switch (column.kind) {
    case Kind::Name:
        return p.name;
    case Kind::ShirtName:
        return p.shirtName;
    case Kind::Foot:
        return p.footEntry >= 0 ? footCaptions[p.footEntry] : QString();
    case Kind::Position:
        return positionCaptions().at(p.positionEntry);
    default:
        return {};
    }
}

// A number cell checked against the range that the field's own write rule accepts.
QString readNumber(QByteArrayView cell, const NumberRange& range, int& target) {
    const auto value = CellValue::wholeNumber(cell);
    if (!value || !range.contains(*value))
        return range.refusal();
    target = int(*value);
    return {};
}

QString readPosition(QByteArrayView cell, ShownPlayer& p) {
    const auto text = CellValue::text(cell);
    if (!text)
        return CellValue::notUtf8();
    const QString caption = text->trimmed();
    const QStringList& captions = positionCaptions();
    const auto match = std::find_if(captions.begin(), captions.end(), [&](const QString& known) {
        return known.compare(caption, Qt::CaseInsensitive) == 0;
    });
    int entry = match == captions.end() ? -1 : int(match - captions.begin());
    int code = PositionTable::codeForEntry(entry);
    if (entry < 0) {
        // A stored code: one that selects an entry stands for choosing it, as the view does.
        const NumberRange codes = PlayerEdits::positionCodeField.range;
        const auto value = CellValue::wholeNumber(cell);
        if (!value || !codes.contains(*value))
            //: %1 lists the positions as the sheet names them (GK, CB, ...): keep those as they are
            return QCoreApplication::translate(
                       "PlayerColumns", "enter a position (%1) or a position code from %2 to %3.")
                .arg(positionCaptions().join(QStringLiteral(", ")))
                .arg(codes.low)
                .arg(codes.high);
        entry = PositionTable::entryForCode(int(*value));
        code = entry >= 0 ? PositionTable::codeForEntry(entry) : int(*value);
    }
    p.positionEntry = entry;
    p.positionCode = code;
    return {};
}

QString readFoot(QByteArrayView cell, ShownPlayer& p) {
    const auto text = CellValue::text(cell);
    if (!text)
        return CellValue::notUtf8();
    const QString word = text->trimmed();
    // An empty cell stands for a foot byte the view does not recognise; it cannot be chosen.
    if (word.isEmpty() && p.footEntry < 0)
        return {};
    for (int entry = 0; entry < 2; ++entry) {
        if (word.compare(footCaptions[entry], Qt::CaseInsensitive) == 0) {
            p.footEntry = entry;
            return {};
        }
    }
    //: %1 and %2 are the words a foot cell holds, Right and Left: they stay as they are
    return QCoreApplication::translate("PlayerColumns", "enter %1 or %2.")
        .arg(footCaptions[0], footCaptions[1]);
}

} // namespace

const std::vector<Column>& all() {
    static const std::vector<Column> columns = buildColumns();
    return columns;
}

const QStringList& names() {
    static const QStringList list = [] {
        QStringList result;
        for (const Column& column : all())
            result << column.name;
        return result;
    }();
    return list;
}

int columnOf(Kind kind, int detail) {
    const auto& columns = all();
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].kind == kind && columns[i].detail == detail)
            return int(i);
    return -1;
}

void write(SheetWriter& out, const Column& column, int index, const ShownPlayer& player) {
    if (isNumber(column, player))
        out.number(numberIn(column, index, player));
    else
        out.text(words(column, player));
}

QString text(const Column& column, int index, const ShownPlayer& player) {
    return isNumber(column, player) ? QString::number(numberIn(column, index, player))
                                    : words(column, player);
}

std::optional<qint64> number(const Column& column, int index, const ShownPlayer& player) {
    if (!isNumber(column, player))
        return std::nullopt;
    return numberIn(column, index, player);
}

bool differs(const Column& column, const ShownPlayer& a, const ShownPlayer& b) {
    switch (column.kind) {
    case Kind::Name:
        return a.name != b.name;
    case Kind::ShirtName:
        return a.shirtName != b.shirtName;
    case Kind::Foot:
        return a.footEntry != b.footEntry;
    case Kind::Position:
        return a.positionEntry != b.positionEntry ||
               (a.positionEntry < 0 && a.positionCode != b.positionCode);
    default:
        return numberIn(column, 0, a) != numberIn(column, 0, b);
    }
}

QString read(const Column& column, QByteArrayView cell, ShownPlayer& p) {
    switch (column.kind) {
    case Kind::Index:
    case Kind::Id:
        return {};
    case Kind::Name:
    case Kind::ShirtName: {
        // The text as it is, blanks included: the write rule decides whether it fits.
        const auto text = CellValue::text(cell);
        if (!text)
            return CellValue::notUtf8();
        (column.kind == Kind::Name ? p.name : p.shirtName) = *text;
        return {};
    }
    case Kind::Age:
        return readNumber(cell, PlayerEdits::ageField.range, p.age);
    case Kind::Height:
        return readNumber(cell, PlayerEdits::heightField.range, p.height);
    case Kind::Weight:
        return readNumber(cell, PlayerEdits::weightField.range, p.weight);
    case Kind::Spacing:
        return readNumber(cell, PlayerEdits::spacingField.range, p.spacing);
    case Kind::Foot:
        return readFoot(cell, p);
    case Kind::Position:
        return readPosition(cell, p);
    case Kind::Ability:
        return readNumber(cell, PlayerEdits::abilityRange, p.abilities[column.detail]);
    case Kind::Check: {
        const auto value = CellValue::wholeNumber(cell);
        if (!value || (*value != 0 && *value != 1))
            return QCoreApplication::translate("PlayerColumns", "enter 1 (checked) or 0 (clear).");
        p.checks[column.detail] = *value == 1;
        return {};
    }
    case Kind::Face:
        return readNumber(cell, Relink::faceRange, p.face);
    case Kind::Hair:
        return readNumber(cell, Relink::hairRange, p.hair);
    }
    return {};
}

void cover(const Column& column, qint64 n, ByteChanges& changes) {
    const auto abilityByte = [&](int slot, quint8 bits) {
        changes.cover(n + L::abilityBlock + slot, 1, bits);
    };
    switch (column.kind) {
    case Kind::Index:
        return;
    case Kind::Id:
        changes.cover(n + L::playerId, 4);
        return;
    case Kind::Name:
        changes.cover(n + L::name, L::nameWidth);
        return;
    case Kind::ShirtName:
        changes.cover(n + L::shirtName, L::shirtNameWidth);
        return;
    case Kind::Age:
        changes.cover(n + L::age, 1);
        return;
    case Kind::Height:
        changes.cover(n + L::height, 1);
        return;
    case Kind::Weight:
        changes.cover(n + L::weight, 1, L::valueBits);
        return;
    case Kind::Foot:
        changes.cover(n + L::foot, 1);
        return;
    case Kind::Spacing:
        changes.cover(n + L::spacing, 1);
        return;
    case Kind::Position:
        changes.cover(n + L::positionCode, 1);
        return;
    case Kind::Ability:
        abilityByte(column.detail, L::valueBits);
        return;
    case Kind::Check:
        for (const AbilitySlot& slot : abilitySlots)
            if (slot.flagBox == column.detail)
                abilityByte(slot.slot, L::flagBit);
        for (const SpecialAbilityBit& bit : specialAbilityBits)
            if (bit.checkBox == column.detail)
                abilityByte(L::specialAbilitySlot, quint8(bit.value));
        if (column.detail == penaltyStopperBox)
            abilityByte(L::penaltyStopperSlot, 0xFF);
        if (column.detail == longThrowBox)
            abilityByte(L::longThrowSlot, 0xFF);
        return;
    case Kind::Face:
    case Kind::Hair:
        // Relink rewrites the raw word with either number.
        changes.cover(n + L::rawWord, 2);
        changes.cover(n + (column.kind == Kind::Face ? L::faceBase : L::hairBase), 2);
        return;
    }
}

} // namespace PlayerColumns
