#pragma once

#include <QString>
#include <QStringList>

// A list as a sentence names it: "a", "a and b", "a, b and c".
inline QString inWords(const QStringList& items) {
    if (items.size() < 2)
        return items.value(0);
    return items.first(items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           items.last();
}
