#pragma once

#include <QStyledItemDelegate>

// Draws a grid cell's text in one line with the painter, without the text layout the standard
// delegate makes for every cell: a screenful of the player table is hundreds of cells, drawn
// whenever the grid scrolls. Editing is the standard delegate's.
class PlainTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
