#pragma once

#include <QString>
#include <QWidget>

// Creates a control of the given kind inside `parent`, named and at a fixed place: the windows
// have a fixed size and lay their controls out by region, at absolute positions.
template <typename W> W* place(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(x, y, w, h);
    return widget;
}
