#include "teams/rosterview.h"

#include "teams/rostertable.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

RosterView::RosterView(Form1Context context, std::function<QStringList()> teamIds)
    : QObject(context.window), m(context), m_teamIds(std::move(teamIds)) {
    connect(m.c.timovi_lista, &QComboBox::currentIndexChanged, this, &RosterView::showTeam);
}

void RosterView::showTeam(int t) {
    Form1Controls& c = m.c;
    c.List2->clear();
    c.List4->clear();
    if (t < 0) {
        c.Label13->clear(); // the chooser was emptied: no team is shown
        return;
    }

    const QStringList teamIds = m_teamIds();
    bool idOk = false;
    const qint32 teamId = t < teamIds.size() ? teamIds.at(t).toInt(&idOk) : 0;
    const WorkingCopy workingCopy = m.workingCopy();
    const qint64 available = workingCopy.size() - RosterLayout::tableStart;
    // A chooser position without a team ID, or a file that ends before the table, shows no rows.
    if (idOk && available > 0) {
        const int maxRecords = c.List1->count();
        const qint64 wanted = std::min(available, RosterLayout::recordSize * maxRecords);
        if (const auto table = workingCopy.read(RosterLayout::tableStart, wanted)) {
            if (const auto record = RosterTable::findTeam(*table, teamId, maxRecords)) {
                // The first position of each player ID, as a walk of the list from the top finds.
                QHash<qint32, int> firstPosition;
                firstPosition.reserve(c.listaid.count());
                for (int i = c.listaid.count() - 1; i >= 0; --i)
                    firstPosition.insert(c.listaid.items.at(i).toInt(), i);
                for (const RosterSlot& slot : RosterTable::readSlots(*table, *record))
                    addRosterRow(slot.playerId, slot.shirtNumber, firstPosition);
            }
        }
    }
    c.transferto->setCurrentIndex(t);
    c.Label13->setText(QStringLiteral("Team: ") + c.timovi_lista->currentText());
}

void RosterView::addRosterRow(qint32 playerId, int shirtNumber,
                              const QHash<qint32, int>& firstPosition) {
    // ID 0 marks an empty slot. Records that the roster table covers can read as ID 0, and must
    // not turn empty slots into blank rows.
    if (playerId == RosterLayout::emptySlot)
        return;
    const auto found = firstPosition.constFind(playerId);
    if (found == firstPosition.cend())
        return;
    const int i = *found;
    m.c.listaid.select(i);
    m.c.List2->addItem(m.c.List1->item(i)->text());
    m.c.List4->addItem(QString::number(shirtNumber));
}
