#pragma once

#include <QByteArray>
#include <QByteArrayView>

// rosters.csv (export only): team_id, team_name, slot, player_id, player_name, shirt_number for
// the rows the team view shows, team by team in the order of the team chooser. For each team
// with a team ID, the first roster record carrying that ID (at most one record per player
// scanned, as the view does); empty slots and IDs of no listed player give no row, and a player
// is named after the first list position that has his ID.
namespace RosterSheet {

// Empty when either file is too short to be read (PlayerSheet::databaseProblem,
// TeamSheet::teamFileProblem).
QByteArray write(QByteArrayView database, QByteArrayView teamFile);

} // namespace RosterSheet
