#include "player/playerlists.h"

#include "player/playerindex.h"

void PlayerLists::clear() {
    for (ParallelList* list : {&odabir_timova, &adrese_naziv, &listaid, &igraci_skraceno})
        list->clear();
    m_firstPosition.clear();
    m_positionsKnown = false;
}

void PlayerLists::fill(PlayerIndex index) {
    clear();
    odabir_timova.items = std::move(index.names);
    adrese_naziv.items = std::move(index.nameOffsets);
    listaid.items = std::move(index.ids);
    igraci_skraceno.items = std::move(index.shirtTexts);
}

void PlayerLists::select(int row) {
    for (ParallelList* list : {&adrese_naziv, &odabir_timova, &igraci_skraceno, &listaid})
        list->select(row);
}

std::optional<qint64> PlayerLists::selectedNameOffset() const {
    return nameOffsetAt(adrese_naziv.current);
}

std::optional<qint64> PlayerLists::nameOffsetAt(int row) const {
    if (row < 0 || row >= adrese_naziv.count())
        return std::nullopt;
    bool ok = false;
    const qint64 n = adrese_naziv.items.at(row).toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

void PlayerLists::renameSelected(const QString& name, const QString& shirtName) {
    odabir_timova.setText(name);
    igraci_skraceno.setText(shirtName);
}

std::optional<int> PlayerLists::findId(qint32 id) {
    if (!m_positionsKnown) {
        m_firstPosition.clear();
        m_firstPosition.reserve(listaid.count());
        for (int i = listaid.count() - 1; i >= 0; --i)
            m_firstPosition.insert(listaid.items.at(i).toInt(), i);
        m_positionsKnown = true;
    }
    const auto found = m_firstPosition.constFind(id);
    if (found == m_firstPosition.cend())
        return std::nullopt;
    listaid.select(*found);
    return *found;
}
