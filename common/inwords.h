#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// A list as a sentence names it: "a", "a and b", "a, b and c". In English whatever the language,
// for the lines that scripts read (rosterly-cli check).
inline QString inWords(const QStringList& items) {
    if (items.size() < 2)
        return items.value(0);
    return items.first(items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           items.last();
}

// The same in the user's language, for messages.
inline QString inTranslatedWords(const QStringList& items) {
    if (items.size() < 2)
        return items.value(0);
    //: The end of a list in a sentence: %1 is "a" or "a, b", %2 the last item.
    return QCoreApplication::translate("InWords", "%1 and %2")
        .arg(items.first(items.size() - 1).join(QStringLiteral(", ")), items.last());
}
