#pragma once

#include <QTableWidget>

// A squad's table in the squad window. A player can be dragged out of one such table and dropped
// on the other; the drop is reported, and the window makes the transfer with the player selected
// in the table he came from. The drag copies, never moves, so that the table itself changes
// nothing: what it shows comes from the file after the transfer.
class SquadTable : public QTableWidget {
    Q_OBJECT
public:
    static constexpr char playerMimeType[] = "application/x-rosterly-squad-player";

    SquadTable(int columns, QWidget* parent);

signals:
    // A player dragged from the squad table named `sourceTable` was dropped on this one.
    void playerDropped(const QString& sourceTable);

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTableWidgetItem*>& items) const override;
    bool dropMimeData(int row, int column, const QMimeData* data, Qt::DropAction action) override;
    Qt::DropActions supportedDropActions() const override;
};
