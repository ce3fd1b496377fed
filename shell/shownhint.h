#pragma once

#include <QString>

// A hint that a box or label shows until a click or a shown value replaces it ("Search
// Player....."): a change of language shows the new hint only where the widget still shows the one
// set last (none at first), and keeps it as the one set last.
template <typename Widget> void replaceHint(Widget* widget, QString& last, const QString& hint) {
    if (widget->text() == last)
        widget->setText(hint);
    last = hint;
}
