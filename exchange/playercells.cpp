#include "exchange/playercells.h"

#include "exchange/playercolumns.h"
#include "player/playeredits.h"
#include "player/playerrecord.h"
#include "player/shownplayer.h"

#include <QCoreApplication>

namespace PlayerCells {

namespace {

namespace L = PlayerLayout;
using PlayerColumns::Kind;

QString refusal(int column, const QString& why) {
    return PlayerColumns::all().at(size_t(column)).name + QStringLiteral(": ") + why;
}

} // namespace

Result plan(QByteArrayView database, int index, const std::vector<Cell>& cells) {
    if (index < 0 || index >= L::editableRecordCount || database.size() < L::rosterTableStart)
        return plan(database, index, ShownPlayer{}, cells);
    return plan(database, index, ShownPlayer::at(database, index), cells);
}

Result plan(QByteArrayView database, int index, const ShownPlayer& shown,
            const std::vector<Cell>& cells) {
    Result result;
    if (index < 0 || index >= L::editableRecordCount || database.size() < L::rosterTableStart) {
        result.refusals << PlayerEdits::rosterTableMessage();
        result.refused.push_back({-1, PlayerEdits::rosterTableMessage()});
        return result;
    }
    const auto& columns = PlayerColumns::all();
    ShownPlayer wanted = shown;
    for (const Cell& cell : cells) {
        const PlayerColumns::Column& column = columns.at(size_t(cell.column));
        if (column.kind == Kind::Index || column.kind == Kind::Id) {
            result.refused.push_back(
                {cell.column,
                 QCoreApplication::translate("PlayerCells", "the column is not edited.")});
            continue;
        }
        const QByteArray utf8 = cell.text.toUtf8();
        if (const QString why = PlayerColumns::read(column, utf8, wanted); !why.isEmpty())
            result.refused.push_back({cell.column, why});
    }
    result.edit = PlayerRowEdit::apply(database.sliced(L::recordStart(index), L::recordSize),
                                       L::nameOffset(index), shown, wanted);
    result.refused.insert(result.refused.end(), result.edit.refusals.begin(),
                          result.edit.refusals.end());
    for (const PlayerRowEdit::Refusal& refused : result.refused)
        result.refusals << refusal(refused.column, refused.why);
    if (!result.ok())
        result.edit.patches.clear();
    return result;
}

} // namespace PlayerCells
