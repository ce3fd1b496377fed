#include "playertable/plaintextdelegate.h"

#include <QApplication>
#include <QPainter>

void PlainTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QString text = cell.text;
    cell.text.clear(); // the style draws the background, the selection and the focus frame
    const QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);

    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, cell.widget)
                           .adjusted(3, 0, -3, 0);
    const bool selected = cell.state & QStyle::State_Selected;
    painter->save();
    painter->setFont(cell.font);
    painter->setPen(cell.palette.color(cell.state & QStyle::State_Enabled ? QPalette::Normal
                                                                          : QPalette::Disabled,
                                       selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(area, int(cell.displayAlignment) | Qt::TextSingleLine,
                      cell.fontMetrics.elidedText(text, Qt::ElideRight, area.width()));
    painter->restore();
}
