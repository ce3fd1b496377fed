#include "app/playerindexload.h"

#include "shell/codecruns.h"
#include "player/playerindex.h"
#include "player/playerrecord.h"
#include "teamnames/teamsource.h"

#include <QComboBox>
#include <QGroupBox>
#include <QProgressBar>

bool loadPlayerIndex(const Form1Context& m, CodecRuns& decompressRuns, TeamSource& teams) {
    Form1Controls& c = m.c;
    if (const QString problem = decompressRuns.problemAfterWaiting(CodecRuns::loadWaitMs);
        !problem.isEmpty()) {
        m.message(problem);
        return false;
    }
    QString error;
    auto index = PlayerIndex::load(m.workingCopy(), &error);
    if (!index) {
        m.message(error);
        return false;
    }

    c.List1->clear();
    c.timovi_lista->clear();
    c.transferto->clear();
    c.puni->setMaximum(PlayerLayout::recordCount);
    c.puni->setValue(0);
    c.odabir_timova.items = index->names;
    c.odabir_timova.current = -1;
    c.List1->addItems(index->names);
    c.adrese_naziv.items = std::move(index->nameOffsets);
    c.adrese_naziv.current = -1;
    c.listaid.items = std::move(index->ids);
    c.listaid.current = -1;
    c.igraci_skraceno.items = std::move(index->shirtTexts);
    c.igraci_skraceno.current = -1;
    // The whole table is read in one pass, so the bar moves once, to its end.
    c.puni->setValue(PlayerLayout::recordCount);

    c.Frame1->show();

    if (teams.pressLoad()) {
        const QStringList names = teams.teamNames();
        c.timovi_lista->addItems(names);
        c.transferto->addItems(names);
        c.timovi_lista->setCurrentIndex(0); // shows the first team's roster
    }
    return true;
}
