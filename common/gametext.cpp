#include "common/gametext.h"

#include <array>

namespace {

// Windows-1252 is Latin-1 but for bytes 0x80-0x9F, which hold typographic characters. The five
// bytes the code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control
// characters of the same number, so every byte reads back as itself.
constexpr std::array<char16_t, 32> highControlRange = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};
constexpr unsigned char highControlFirst = 0x80;

constexpr std::array<char16_t, 256> makeDecodeTable() {
    std::array<char16_t, 256> table{};
    for (unsigned b = 0; b < table.size(); ++b)
        table[b] = char16_t(b);
    for (unsigned i = 0; i < highControlRange.size(); ++i)
        table[highControlFirst + i] = highControlRange[i];
    return table;
}
constexpr std::array<char16_t, 256> decodeTable = makeDecodeTable();

// The code-page byte of a character, or nothing when the code page has none (zero is no
// character of a field: it ends the text).
std::optional<char> encodeChar(char16_t c) {
    if (c == 0)
        return std::nullopt;
    const bool latin1Outside = c < highControlFirst || (c >= 0xA0 && c <= 0xFF);
    if (latin1Outside)
        return char(c);
    for (unsigned i = 0; i < highControlRange.size(); ++i) {
        if (highControlRange[i] == c)
            return char(highControlFirst + i);
    }
    return std::nullopt;
}

} // namespace

namespace GameText {

QString decode(QByteArrayView field) {
    const qsizetype zero = field.indexOf('\0');
    const QByteArrayView text = zero < 0 ? field : field.first(zero);
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    for (const char byte : text)
        *out++ = QChar(decodeTable[static_cast<unsigned char>(byte)]);
    return result;
}

QString unrepresentable(const QString& text) {
    QString refused;
    for (const QChar c : text) {
        if (!encodeChar(c.unicode()) && !refused.contains(c))
            refused += c;
    }
    return refused;
}

std::optional<QByteArray> encodeField(const QString& text, int width) {
    if (text.size() > width)
        return std::nullopt;
    QByteArray bytes(width, '\0');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::optional<char> byte = encodeChar(text.at(i).unicode());
        if (!byte)
            return std::nullopt;
        bytes[i] = *byte;
    }
    return bytes;
}

} // namespace GameText
