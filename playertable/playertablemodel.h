#pragma once

#include "playertable/playerfilter.h"
#include "playertable/playertabledata.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

// The player table's rows for a view: every record a sheet holds, in the order of the last sorts,
// those the filter lets through. A cell is decoded when the view asks for it (PlayerTableData).
// Editing a cell hands the text to `editCell`, which writes it through the session or refuses it;
// the model follows the write when the session reports it, through written().
class PlayerTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using EditCell = std::function<bool(int record, int column, const QString& text)>;

    explicit PlayerTableModel(QObject* parent = nullptr);

    void setEditCell(EditCell editCell) { m_editCell = std::move(editCell); }

    // Everything read anew (a Load): the sort and the filter stay.
    void reset(QByteArray database, QList<SquadTeam> teams);
    // A write into the working copy, or new teams: the rows they touch are shown anew.
    void written(const std::vector<Patch>& stretches);
    void setTeams(QList<SquadTeam> teams);

    // Applies a filter; an invalid one is refused with the reason and the filter before stays.
    bool setFilter(const QString& text, QString* error);
    int shownCount() const { return int(m_shown.size()); }
    int totalCount() const { return m_data.rowCount(); }
    const PlayerTableData& table() const { return m_data; }
    // The record shown in a row of the view, and the row that shows a record (-1: none).
    int recordAt(int row) const;
    int rowOf(int record) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    // Stable: rows of equal values keep the order the sort before gave them.
    void sort(int column, Qt::SortOrder order) override;

signals:
    void shownCountChanged();

private:
    // Shows `shown` (records in view order), keeping the selection and the current cell on the
    // records they were on.
    void show(std::vector<int> shown);
    std::vector<int> filtered() const;
    void refreshRows(const std::vector<int>& records);

    PlayerTableData m_data;
    PlayerFilter m_filter;
    std::vector<int> m_order; // every record, in the order of the sorts
    std::vector<int> m_shown; // those the filter lets through, in that order
    EditCell m_editCell;
};
