#include "teams/rosterview.h"

#include "player/playerlists.h"
#include "shell/gamefilesession.h"
#include "teams/rostertable.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QListWidget>

RosterView::RosterView(const RosterViewControls& controls, PlayerLists& lists,
                       const GameFileSession& session, std::function<QStringList()> teamIds)
    : QObject(controls.timovi_lista), c(controls), m_lists(lists), m_session(session),
      m_teamIds(std::move(teamIds)) {
    connect(c.timovi_lista, &QComboBox::currentIndexChanged, this, &RosterView::showTeam);
}

bool RosterView::event(QEvent* event) {
    // The window hands a change of language on to its widgets' children, this among them.
    if (event->type() == QEvent::LanguageChange && !c.Label13->text().isEmpty())
        showTeamName();
    return QObject::event(event);
}

void RosterView::showTeamName() {
    c.Label13->setText(tr("Team: %1").arg(c.timovi_lista->currentText()));
}

void RosterView::showTeam(int t) {
    c.List2->clear();
    c.List4->clear();
    if (t < 0) {
        c.Label13->clear(); // the chooser was emptied: no team is shown
        return;
    }

    const QStringList teamIds = m_teamIds();
    bool idOk = false;
    const qint32 teamId = t < teamIds.size() ? teamIds.at(t).toInt(&idOk) : 0;
    const WorkingCopy workingCopy = m_session.workingCopy();
    const qint64 available = workingCopy.size() - RosterLayout::tableStart;
    // A chooser position without a team ID, or a file that ends before the table, shows no rows.
    if (idOk && available > 0) {
        const int maxRecords = m_lists.count();
        const qint64 wanted = std::min(available, RosterLayout::recordSize * maxRecords);
        if (const auto table = workingCopy.read(RosterLayout::tableStart, wanted)) {
            if (const auto record = RosterTable::findTeam(*table, teamId, maxRecords))
                for (const RosterSlot& slot : RosterTable::readSlots(*table, *record))
                    addRosterRow(slot.playerId, slot.shirtNumber);
        }
    }
    c.transferto->setCurrentIndex(t);
    showTeamName();
}

void RosterView::addRosterRow(qint32 playerId, int shirtNumber) {
    // ID 0 marks an empty slot. Records that the roster table covers can read as ID 0, and must
    // not turn empty slots into blank rows.
    if (playerId == RosterLayout::emptySlot)
        return;
    const auto found = m_lists.findId(playerId);
    if (!found)
        return;
    c.List2->addItem(m_lists.odabir_timova.items.at(*found));
    c.List4->addItem(QString::number(shirtNumber));
}
