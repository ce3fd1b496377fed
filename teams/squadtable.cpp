#include "teams/squadtable.h"

#include <QMimeData>

SquadTable::SquadTable(int columns, QWidget* parent) : QTableWidget(0, columns, parent) {
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    setDropIndicatorShown(false);
}

QStringList SquadTable::mimeTypes() const {
    return {QString::fromLatin1(playerMimeType)};
}

QMimeData* SquadTable::mimeData(const QList<QTableWidgetItem*>& items) const {
    if (items.isEmpty())
        return nullptr;
    auto* data = new QMimeData; // handed to the drag, which owns it
    data->setData(QString::fromLatin1(playerMimeType), objectName().toUtf8());
    return data;
}

bool SquadTable::dropMimeData(int, int, const QMimeData* data, Qt::DropAction) {
    const QString source = QString::fromUtf8(data->data(QString::fromLatin1(playerMimeType)));
    if (source.isEmpty() || source == objectName())
        return false; // the order of a squad is changed with Move Up and Move Down
    // After the drop has ended: the transfer shows both tables again.
    QMetaObject::invokeMethod(
        this, [this, source] { emit playerDropped(source); }, Qt::QueuedConnection);
    return true;
}

Qt::DropActions SquadTable::supportedDropActions() const {
    return Qt::CopyAction;
}
