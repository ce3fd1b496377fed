#pragma once

#include <QString>

// The whole numbers a field accepts, as the window shows them, and the words that refuse any
// other. The write rules, the windows and the spreadsheet import take a field's range from here.
struct NumberRange {
    int low = 0;
    int high = 0;
    const char* what = "a number"; // "enter <what> from <low> to <high>."

    constexpr bool contains(qint64 value) const { return value >= low && value <= high; }
    QString refusal() const {
        return QStringLiteral("enter %1 from %2 to %3.")
            .arg(QString::fromLatin1(what))
            .arg(low)
            .arg(high);
    }
};
