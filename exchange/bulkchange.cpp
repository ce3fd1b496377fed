#include "exchange/bulkchange.h"

#include "appearance/relink.h"
#include "exchange/importplan.h"
#include "exchange/playercells.h"
#include "exchange/playercolumns.h"
#include "exchange/playersheet.h"
#include "player/playeredits.h"
#include "player/playerrecord.h"
#include "player/shownplayer.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <optional>

namespace BulkChange {

namespace {

namespace L = PlayerLayout;
using PlayerColumns::Kind;

// The limits adding and subtracting keep to.
constexpr NumberRange abilityLimits{1, L::maxAbility};

const PlayerColumns::Column& columnAt(int column) {
    return PlayerColumns::all().at(size_t(column));
}

std::optional<NumberRange> limitsOf(Kind kind) {
    switch (kind) {
    case Kind::Age:
        return PlayerEdits::ageField.range;
    case Kind::Height:
        return PlayerEdits::heightField.range;
    case Kind::Weight:
        return PlayerEdits::weightField.range;
    case Kind::Spacing:
        return PlayerEdits::spacingField.range;
    case Kind::Ability:
        return abilityLimits;
    case Kind::Face:
        return Relink::faceRange;
    case Kind::Hair:
        return Relink::hairRange;
    default:
        return std::nullopt;
    }
}

std::optional<qint64> wholeNumber(const QString& text) {
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

struct Result {
    qint64 value = 0;
    bool clamped = false;
};

// The number a change gives a player whose value is `current`.
Result apply(Mode mode, qint64 by, qint64 current, const NumberRange& limits, bool ability) {
    switch (mode) {
    case Mode::Add:
    case Mode::Subtract: {
        const qint64 raw = mode == Mode::Add ? current + by : current - by;
        // A stored ability above 99 is the game's own: a change that would not lower it keeps it.
        if (ability && current > limits.high && raw >= current)
            return {current, false};
        const qint64 held = std::clamp<qint64>(raw, limits.low, limits.high);
        return {held, held != raw};
    }
    case Mode::AtLeast:
        return {std::max(current, by), false};
    case Mode::AtMost:
        return {std::min(current, by), false};
    case Mode::Set:
        break;
    }
    return {current, false};
}

QString who(int index, const ShownPlayer& player) {
    return QStringLiteral("%1 %2 %3").arg(index).arg(player.id).arg(player.name);
}

} // namespace

QList<int> columns() {
    QList<int> result;
    const auto& all = PlayerColumns::all();
    for (size_t i = 0; i < all.size(); ++i)
        if (all[i].kind != Kind::Index && all[i].kind != Kind::Id)
            result << int(i);
    return result;
}

QList<Mode> modes(int column) {
    const Kind kind = columnAt(column).kind;
    if (kind == Kind::Ability)
        return {Mode::Set, Mode::Add, Mode::Subtract, Mode::AtLeast, Mode::AtMost};
    if (limitsOf(kind))
        return {Mode::Set, Mode::Add, Mode::Subtract};
    return {Mode::Set};
}

QString modeName(Mode mode) {
    switch (mode) {
    case Mode::Set:
        //: A change of many players: set the column to a value
        return QCoreApplication::translate("BulkChange", "Set to");
    case Mode::Add:
        //: A change of many players: add a number to the column
        return QCoreApplication::translate("BulkChange", "Add");
    case Mode::Subtract:
        //: A change of many players: subtract a number from the column
        return QCoreApplication::translate("BulkChange", "Subtract");
    case Mode::AtLeast:
        //: A change of many players: raise the values below a number to it
        return QCoreApplication::translate("BulkChange", "Set at least");
    case Mode::AtMost:
        //: A change of many players: lower the values above a number to it
        return QCoreApplication::translate("BulkChange", "Set at most");
    }
    return {};
}

// The undo step's name: %1 is the sheet's column name, %2 the value, %3 the number of players.
QString label(const Change& change, int players) {
    const bool one = players == 1;
    QString text;
    switch (change.mode) {
    case Mode::Set:
        text = one ? QCoreApplication::translate("BulkChange", "Change %1 to %2 (%3 player)")
                   : QCoreApplication::translate("BulkChange", "Change %1 to %2 (%3 players)");
        break;
    case Mode::Add:
        text = one ? QCoreApplication::translate("BulkChange", "Change %1 +%2 (%3 player)")
                   : QCoreApplication::translate("BulkChange", "Change %1 +%2 (%3 players)");
        break;
    case Mode::Subtract:
        text = one ? QCoreApplication::translate("BulkChange", "Change %1 -%2 (%3 player)")
                   : QCoreApplication::translate("BulkChange", "Change %1 -%2 (%3 players)");
        break;
    case Mode::AtLeast:
        text =
            one ? QCoreApplication::translate("BulkChange", "Change %1 to at least %2 (%3 player)")
                : QCoreApplication::translate("BulkChange",
                                              "Change %1 to at least %2 (%3 players)");
        break;
    case Mode::AtMost:
        text =
            one ? QCoreApplication::translate("BulkChange", "Change %1 to at most %2 (%3 player)")
                : QCoreApplication::translate("BulkChange", "Change %1 to at most %2 (%3 players)");
        break;
    }
    return text.arg(columnAt(change.column).name, change.value.trimmed(), QString::number(players));
}

QString problem(const Change& change) {
    if (change.column < 0 || size_t(change.column) >= PlayerColumns::all().size() ||
        !columns().contains(change.column))
        return QCoreApplication::translate("BulkChange", "the column is not changed here.");
    const PlayerColumns::Column& column = columnAt(change.column);
    if (!modes(change.column).contains(change.mode))
        //: %1 is the name of the sheet's column
        return QCoreApplication::translate("BulkChange", "%1 can only be set to a value.")
            .arg(column.name);
    if (change.mode == Mode::Set)
        return {}; // the import's rule checks each value
    const auto number = wholeNumber(change.value);
    const NumberRange limits = *limitsOf(column.kind);
    if (!number)
        return QCoreApplication::translate("BulkChange", "%1: enter a whole number.")
            .arg(column.name);
    if (change.mode == Mode::AtLeast || change.mode == Mode::AtMost) {
        if (!limits.contains(*number))
            return column.name + QStringLiteral(": ") + limits.refusal();
    } else if (*number < 1 || *number > limits.high - limits.low) {
        return QCoreApplication::translate("BulkChange", "%1: enter a number from 1 to %2.")
            .arg(column.name)
            .arg(limits.high - limits.low);
    }
    return {};
}

QString Plan::summary(const Change& change) const {
    QString text =
        changed == 1 ? QCoreApplication::translate("BulkChange", "1 player changes")
                     : QCoreApplication::translate("BulkChange", "%1 players change").arg(changed);
    if (clamped > 0)
        //: Follows "97 players change": %1 players were held at the limit %2
        text +=
            QCoreApplication::translate("BulkChange", ", %1 clamped to %2").arg(clamped).arg(limit);
    if (already > 0) {
        const QString count = QString::number(already);
        const QString value = change.value.trimmed();
        //: Follows "97 players change": %1 players had the value %2 already
        if (change.mode == Mode::AtLeast)
            text += QCoreApplication::translate("BulkChange", ", %1 already at least %2")
                        .arg(count, value);
        else if (change.mode == Mode::AtMost)
            text += QCoreApplication::translate("BulkChange", ", %1 already at most %2")
                        .arg(count, value);
        else if (change.mode != Mode::Set && limit.isEmpty())
            text +=
                QCoreApplication::translate("BulkChange", ", %1 already at the limit").arg(count);
        else
            text += QCoreApplication::translate("BulkChange", ", %1 already %2")
                        .arg(count, change.mode == Mode::Set ? value : limit);
    }
    return text;
}

Plan plan(QByteArrayView database, const std::vector<int>& records, const Change& change,
          int listedChanges) {
    Plan result;
    if (const QString why = problem(change); !why.isEmpty()) {
        result.refusals << why;
        return result;
    }
    const PlayerColumns::Column& column = columnAt(change.column);
    const auto limits = limitsOf(column.kind);
    const qint64 by = change.mode == Mode::Set ? 0 : *wholeNumber(change.value);
    if (limits)
        result.limit = QString::number(change.mode == Mode::Subtract ? limits->low : limits->high);
    // The same refusal of many players is said once, with how many it concerns.
    QStringList reasons;
    QHash<QString, QStringList> refusedPlayers;
    const auto refuse = [&](const QString& who, const QString& why) {
        if (!refusedPlayers.contains(why))
            reasons << why;
        refusedPlayers[why] << who;
    };
    for (const int index : records) {
        if (index < 0 || index >= L::editableRecordCount) {
            refuse(QCoreApplication::translate("BulkChange", "record %1").arg(index),
                   PlayerEdits::rosterTableMessage());
            continue;
        }
        const ShownPlayer shown = ShownPlayer::at(database, index);
        QString text = change.value;
        if (change.mode != Mode::Set) {
            const qint64 current =
                PlayerColumns::number(column, index, shown).value_or(limits->low);
            const Result changed =
                apply(change.mode, by, current, *limits, column.kind == Kind::Ability);
            if (changed.value == current) {
                ++result.already; // a sheet import of the value it has writes nothing either
                continue;
            }
            result.clamped += changed.clamped ? 1 : 0;
            text = QString::number(changed.value);
        }
        const PlayerCells::Result cells =
            PlayerCells::plan(database, index, shown, {{change.column, text}});
        if (!cells.ok()) {
            for (const QString& why : cells.refusals)
                refuse(who(index, shown), why);
            continue;
        }
        const bool listed = listedChanges < 0 || result.import.changes.size() < listedChanges;
        const int before = result.import.recordCount;
        const bool unchanged =
            cells.edit.patches.empty() ||
            cells.edit.record == database.sliced(L::recordStart(index), L::recordSize);
        if (unchanged) {
            ++result.already;
            continue;
        }
        PlayerSheet::addRecord(result.import, index, shown, cells.edit, database, listed);
        result.changed += result.import.recordCount - before;
    }
    for (const QString& why : std::as_const(reasons)) {
        const QStringList& players = refusedPlayers[why];
        if (players.size() == 1)
            result.refusals << QStringLiteral("%1: %2").arg(players.first(), why);
        else
            //: %1 is why, %2 how many players it concerns, %3 the first of them
            result.refusals << QCoreApplication::translate("BulkChange",
                                                           "%1 (%2 players, the first %3)")
                                   .arg(why)
                                   .arg(players.size())
                                   .arg(players.first());
    }
    if (!result.ok())
        result.import.patches.clear();
    return result;
}

} // namespace BulkChange
