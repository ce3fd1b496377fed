#include "common/numbertext.h"

#include <cmath>
#include <limits>

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

int digitValue(QChar c) {
    const char16_t u = c.toUpper().unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

std::optional<double> radixValue(const QString& s, qsizetype pos, int radix) {
    double value = 0;
    const qsizetype first = pos;
    for (; pos < s.size(); ++pos) {
        const int digit = digitValue(s.at(pos));
        if (digit < 0 || digit >= radix)
            break;
        value = value * radix + digit;
    }
    if (pos == first)
        return std::nullopt;
    return value;
}

} // namespace

namespace NumberText {

std::optional<double> leadingNumber(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (const QChar c : text)
        if (!isBlank(c))
            s += c;

    if (s.size() >= 2 && s.at(0) == u'&') {
        const QChar kind = s.at(1).toUpper();
        if (kind == u'H')
            return radixValue(s, 2, 16);
        if (kind == u'O')
            return radixValue(s, 2, 8);
        return std::nullopt;
    }

    qsizetype pos = 0;
    QString number;
    if (pos < s.size() && (s.at(pos) == u'+' || s.at(pos) == u'-'))
        number += s.at(pos++);
    qsizetype digits = 0;
    while (pos < s.size() && isDigit(s.at(pos))) {
        number += s.at(pos++);
        ++digits;
    }
    if (pos < s.size() && s.at(pos) == u'.') {
        number += s.at(pos++);
        while (pos < s.size() && isDigit(s.at(pos))) {
            number += s.at(pos++);
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (pos < s.size() && (s.at(pos).toUpper() == u'E' || s.at(pos).toUpper() == u'D')) {
        qsizetype exp = pos + 1;
        QString exponent = QStringLiteral("e");
        if (exp < s.size() && (s.at(exp) == u'+' || s.at(exp) == u'-'))
            exponent += s.at(exp++);
        const qsizetype firstExponentDigit = exp;
        while (exp < s.size() && isDigit(s.at(exp)))
            exponent += s.at(exp++);
        if (exp > firstExponentDigit)
            number += exponent;
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    // Out of a double's range: too small is worth 0; too large is still a number, out of every
    // range rather than worth 0.
    if (!ok) {
        if (number.contains(QLatin1String("e-")))
            return 0.0;
        return number.startsWith(u'-') ? -std::numeric_limits<double>::infinity()
                                       : std::numeric_limits<double>::infinity();
    }
    return value;
}

double leadingValue(const QString& text) {
    return leadingNumber(text).value_or(0);
}

double roundHalfEven(double value) {
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}

std::optional<int> integerInRange(const QString& text, int low, int high) {
    const double rounded = roundHalfEven(leadingValue(text));
    if (!std::isfinite(rounded) || rounded < low || rounded > high)
        return std::nullopt;
    return static_cast<int>(rounded);
}

} // namespace NumberText
