#include "sheetformats/csvtextcell.h"

#include <QByteArrayList>

#include <algorithm>

namespace CsvTextCell {

namespace {

constexpr QByteArrayView formulaStarts = "=+-@\t\r\n";
constexpr char textMark = '\'';

// Words that may stand in a number, date or time that a spreadsheet program recognises: the
// exponent, AM and PM, the T between a date and a time, the months in English.
bool isValueWord(QByteArrayView word) {
    static const QByteArrayList words{
        "e",    "am",     "pm",        "a",       "p",        "t",       "jan",   "feb",
        "mar",  "apr",    "may",       "jun",     "jul",      "aug",     "sep",   "sept",
        "oct",  "nov",    "dec",       "january", "february", "march",   "april", "june",
        "july", "august", "september", "october", "november", "december"};
    const QByteArray lower = word.toByteArray().toLower();
    return words.contains(lower);
}

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Holds a digit, and every word in it could be part of a number, date or time.
bool readsAsNumberOrDate(QByteArrayView text) {
    if (std::none_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    qsizetype i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) >= 0x80)
            return false; // a letter of another alphabet: no number reads so
        if (!isAsciiLetter(c)) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && isAsciiLetter(text[end]))
            ++end;
        if (!isValueWord(text.sliced(i, end - i)))
            return false;
        i = end;
    }
    return true;
}

} // namespace

bool needsProtection(QByteArrayView text) {
    if (text.isEmpty())
        return false;
    // A text that begins with the mark itself keeps it behind a second one.
    if (formulaStarts.contains(text.front()) || text.front() == textMark)
        return true;
    const QByteArray upper = text.toByteArray().toUpper();
    if (upper == "TRUE" || upper == "FALSE")
        return true;
    return readsAsNumberOrDate(text);
}

QByteArray protect(QByteArrayView text) {
    return textMark + text.toByteArray();
}

QByteArrayView unprotect(QByteArrayView cell) {
    return cell.startsWith(textMark) ? cell.sliced(1) : cell;
}

QByteArrayView withoutCarriedMark(QByteArrayView text) {
    return text.startsWith(textMark) && needsProtection(text.sliced(1)) ? text.sliced(1) : text;
}

} // namespace CsvTextCell
