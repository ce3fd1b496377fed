#include "common/numbertext.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A carriage return is not among them: it ends a number like any other character.
bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
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

// Position of the first significant digit, or -1 when every digit is 0.
qsizetype firstSignificant(const QString& digits) {
    const auto it = std::find_if(digits.cbegin(), digits.cend(), [](QChar c) { return c != u'0'; });
    return it == digits.cend() ? -1 : it - digits.cbegin();
}

// Whether a decimal number that a double cannot hold is too large (rather than too small): the
// power of ten of its first significant digit, `exponent` included, decides.
bool overflows(const QString& digitsBeforePoint, const QString& digitsAfterPoint, qint64 exponent) {
    qint64 order = 0;
    if (const qsizetype first = firstSignificant(digitsBeforePoint); first >= 0)
        order = digitsBeforePoint.size() - first - 1;
    else if (const qsizetype firstAfter = firstSignificant(digitsAfterPoint); firstAfter >= 0)
        order = -(firstAfter + 1);
    else
        return false; // all zeros: a double holds that
    return order + exponent > 0;
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
    const qsizetype integerStart = pos;
    while (pos < s.size() && isDigit(s.at(pos)))
        number += s.at(pos++);
    const QString integerDigits = s.mid(integerStart, pos - integerStart);
    QString fractionDigits;
    if (pos < s.size() && s.at(pos) == u'.') {
        number += s.at(pos++);
        const qsizetype fractionStart = pos;
        while (pos < s.size() && isDigit(s.at(pos)))
            number += s.at(pos++);
        fractionDigits = s.mid(fractionStart, pos - fractionStart);
    }
    if (integerDigits.isEmpty() && fractionDigits.isEmpty())
        return std::nullopt;
    qint64 exponentValue = 0;
    if (pos < s.size() && (s.at(pos).toUpper() == u'E' || s.at(pos).toUpper() == u'D')) {
        qsizetype exp = pos + 1;
        bool negative = false;
        if (exp < s.size() && (s.at(exp) == u'+' || s.at(exp) == u'-'))
            negative = s.at(exp++) == u'-';
        const qsizetype firstExponentDigit = exp;
        while (exp < s.size() && isDigit(s.at(exp))) {
            // Far beyond any double already; more digits change nothing.
            exponentValue =
                std::min<qint64>(exponentValue * 10 + (s.at(exp).unicode() - u'0'), 1'000'000'000);
            ++exp;
        }
        if (exp > firstExponentDigit) {
            if (negative)
                exponentValue = -exponentValue;
            number += QStringLiteral("e") + QString::number(exponentValue);
        }
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (ok)
        return value;
    // Out of a double's range: too small is worth 0; too large is still a number, out of every
    // range rather than worth 0, whatever the sign of its exponent.
    if (!overflows(integerDigits, fractionDigits, exponentValue))
        return 0.0;
    return number.startsWith(u'-') ? -std::numeric_limits<double>::infinity()
                                   : std::numeric_limits<double>::infinity();
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
