#include "app/playerindexload.h"

#include "player/playerindex.h"
#include "player/playerlists.h"
#include "player/playerrecord.h"
#include "shell/gamefilesession.h"
#include "teamnames/teamnamelayout.h"
#include "teamnames/teamsource.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QProgressBar>

bool loadPlayerIndex(const PlayerIndexLoadControls& c, PlayerLists& lists, GameFileSession& session,
                     TeamSource* teams) {
    if (const QString problem = session.decompressProblem(); !problem.isEmpty()) {
        session.message(problem);
        return false;
    }
    // A complete working copy too short for the player table that holds a team file's tables is
    // the team file, chosen in the player database's place.
    if (const qint64 size = session.workingCopy().size();
        size >= TeamNameLayout::longNamePassEnd && size < PlayerLayout::tableEnd) {
        session.message(QCoreApplication::translate(
                            "PlayerIndexLoad",
                            "The working copy of %1 is %2 bytes, a player database holds at least "
                            "%3: it looks like a team file. Choose the player database "
                            "(unnamed_25.bin) with File > Open.")
                            .arg(QDir::toNativeSeparators(session.gameFile()))
                            .arg(size)
                            .arg(PlayerLayout::tableEnd));
        return false;
    }
    QString error;
    auto index = PlayerIndex::load(session.workingCopy(), &error);
    if (!index) {
        session.message(error);
        return false;
    }

    c.List1->clear();
    c.timovi_lista->clear();
    c.transferto->clear();
    c.puni->setMaximum(PlayerLayout::recordCount);
    c.puni->setValue(0);
    c.List1->addItems(index->names);
    lists.fill(std::move(*index));
    session.markListsCurrent();
    // The whole table is read in one pass, so the bar moves once, to its end.
    c.puni->setValue(PlayerLayout::recordCount);

    c.Frame1->show();

    if (teams && teams->loadNow()) {
        const QStringList names = teams->teamNames();
        c.timovi_lista->addItems(names);
        c.transferto->addItems(names);
        c.timovi_lista->setCurrentIndex(0); // shows the first team's roster
    }
    return true;
}
