#pragma once

#include <QCoreApplication>
#include <QString>

// The whole numbers a field accepts, as the window shows them, and the words that refuse any
// other. The write rules, the windows and the spreadsheet import take a field's range from here.
struct NumberRange {
    int low = 0;
    int high = 0;
    // "enter <what> from <low> to <high>."; a range of its own marks its words with
    // QT_TRANSLATE_NOOP("NumberRange", ...) so that the refusal speaks the user's language.
    const char* what = QT_TRANSLATE_NOOP("NumberRange", "a number");

    constexpr bool contains(qint64 value) const { return value >= low && value <= high; }
    QString refusal() const {
        //: %1 is what to enter ("a number", "a file number"), %2 and %3 the lowest and highest.
        return QCoreApplication::translate("NumberRange", "enter %1 from %2 to %3.")
            .arg(QCoreApplication::translate("NumberRange", what))
            .arg(low)
            .arg(high);
    }
};
