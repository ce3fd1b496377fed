#include "playertable/playertablemodel.h"

#include "playertable/tablecolumns.h"

#include <algorithm>
#include <numeric>

PlayerTableModel::PlayerTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void PlayerTableModel::reset(QByteArray database, QList<SquadTeam> teams) {
    beginResetModel();
    const bool sameRows = m_data.rowCount() != 0;
    m_data.reset(std::move(database), std::move(teams));
    if (!sameRows || int(m_order.size()) != m_data.rowCount()) {
        m_order.resize(size_t(m_data.rowCount()));
        std::iota(m_order.begin(), m_order.end(), 0);
    }
    m_shown = filtered();
    endResetModel();
    emit shownCountChanged();
}

std::vector<int> PlayerTableModel::filtered() const {
    if (m_filter.isEmpty())
        return m_order;
    std::vector<int> shown;
    shown.reserve(m_order.size());
    for (const int record : m_order)
        if (m_filter.matches(m_data, record))
            shown.push_back(record);
    return shown;
}

void PlayerTableModel::written(const std::vector<Patch>& stretches) {
    refreshRows(m_data.written(stretches));
}

void PlayerTableModel::setTeams(QList<SquadTeam> teams) {
    refreshRows(m_data.setTeams(std::move(teams)));
}

void PlayerTableModel::refreshRows(const std::vector<int>& records) {
    if (records.empty())
        return;
    // A row that the filter lets through no more goes, one that it does now comes; the order
    // stays, so that nothing moves under the user but what the write changed.
    std::vector<int> shown = filtered();
    if (shown != m_shown) {
        show(std::move(shown));
        return;
    }
    std::vector<int> rowOfRecord(size_t(m_data.rowCount()), -1);
    for (size_t row = 0; row < m_shown.size(); ++row)
        rowOfRecord[size_t(m_shown[row])] = int(row);
    for (const int record : records)
        if (const int row = rowOfRecord[size_t(record)]; row >= 0)
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

bool PlayerTableModel::setFilter(const QString& text, QString* error) {
    auto filter = PlayerFilter::parse(text, error);
    if (!filter)
        return false;
    m_filter = std::move(*filter);
    show(filtered());
    return true;
}

void PlayerTableModel::show(std::vector<int> shown) {
    emit layoutAboutToBeChanged();
    std::vector<int> rowOfRecord(size_t(m_data.rowCount()), -1);
    for (size_t row = 0; row < shown.size(); ++row)
        rowOfRecord[size_t(shown[row])] = int(row);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before) {
        const int row = old.isValid() ? rowOfRecord[size_t(m_shown[size_t(old.row())])] : -1;
        after << (row < 0 ? QModelIndex() : createIndex(row, old.column()));
    }
    m_shown = std::move(shown);
    changePersistentIndexList(before, after);
    emit layoutChanged();
    emit shownCountChanged();
}

int PlayerTableModel::recordAt(int row) const {
    return row >= 0 && size_t(row) < m_shown.size() ? m_shown[size_t(row)] : -1;
}

int PlayerTableModel::rowOf(int record) const {
    const auto found = std::find(m_shown.begin(), m_shown.end(), record);
    return found == m_shown.end() ? -1 : int(found - m_shown.begin());
}

int PlayerTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_shown.size());
}

int PlayerTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TableColumns::count();
}

QVariant PlayerTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int record = m_shown[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_data.text(record, index.column());
    case Qt::TextAlignmentRole:
        return TableColumns::all().at(size_t(index.column())).numbers
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant PlayerTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return recordAt(section);
    return section >= 0 && section < TableColumns::count()
               ? QVariant(TableColumns::all().at(size_t(section)).name)
               : QVariant();
}

Qt::ItemFlags PlayerTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && TableColumns::all().at(size_t(index.column())).editable)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool PlayerTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !m_editCell ||
        !(flags(index) & Qt::ItemIsEditable))
        return false;
    // The text shown stays until the write is reported; a refusal leaves it as it was.
    return m_editCell(recordAt(index.row()), index.column(), value.toString());
}

void PlayerTableModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= TableColumns::count())
        return;
    m_data.sort(m_order, column, order == Qt::DescendingOrder);
    show(filtered());
}
