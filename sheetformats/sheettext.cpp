#include "sheetformats/sheettext.h"

#include "common/gametext.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>
#include <utility>

namespace SheetText {

namespace {

constexpr QByteArrayView utf8Mark = "\xEF\xBB\xBF";
// The mark as "ï»¿": a program read it as Windows-1252 text and saved that text as UTF-8.
constexpr QByteArrayView misreadUtf8Mark = "\xC3\xAF\xC2\xBB\xC2\xBF";
constexpr QByteArrayView utf16LeMark = "\xFF\xFE";
constexpr QByteArrayView utf16BeMark = "\xFE\xFF";

// Files that are often given where a sheet is asked for, by their first bytes.
constexpr std::pair<QByteArrayView, const char*> signatures[] = {
    {"PK\x03\x04", QT_TRANSLATE_NOOP("SheetText", "a zip archive, as an .xlsx workbook is: give "
                                                  "it the name .xlsx or save it as CSV")},
    {"\x89PNG", QT_TRANSLATE_NOOP("SheetText", "a PNG image")},
    {"\xFF\xD8\xFF", QT_TRANSLATE_NOOP("SheetText", "a JPEG image")},
    {"GIF8", QT_TRANSLATE_NOOP("SheetText", "a GIF image")},
    {"%PDF", QT_TRANSLATE_NOOP("SheetText", "a PDF document")},
    {"\xD0\xCF\x11\xE0", QT_TRANSLATE_NOOP("SheetText", "an Excel 97-2003 workbook (.xls) or "
                                                        "another old Office file: save it as "
                                                        ".xlsx or CSV")},
};
constexpr QByteArrayView containerMark = "WESYS"; // at byte 3 of the game's compressed files
constexpr qsizetype containerMarkAt = 3;

// A text sheet holds no NUL byte, and control characters other than tab and line breaks are rare
// in it: more than one byte in twenty is no text.
constexpr qsizetype controlShareLimit = 20;

bool isControl(unsigned char c) {
    return c < 0x20 && c != '\t' && c != '\n' && c != '\r';
}

QString whatItLooksLike(QByteArrayView bytes) {
    for (const auto& [signature, what] : signatures)
        if (bytes.startsWith(signature))
            return QCoreApplication::translate("SheetText", what);
    if (bytes.sliced(std::min(containerMarkAt, bytes.size())).startsWith(containerMark))
        return QCoreApplication::translate("SheetText", "a game file, not a sheet");
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        return QCoreApplication::translate("SheetText", "binary data (a NUL byte at byte %1)")
            .arg(nul);
    const auto controls = std::count_if(bytes.begin(), bytes.end(),
                                        [](char c) { return isControl(static_cast<uchar>(c)); });
    if (controls * controlShareLimit > bytes.size())
        return QCoreApplication::translate("SheetText",
                                           "binary data (%1 of its %2 bytes are control bytes)")
            .arg(controls)
            .arg(bytes.size());
    return {};
}

std::optional<QString> strictly(QStringDecoder::Encoding encoding, QByteArrayView bytes) {
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// The row of the first byte that is not UTF-8, for the note.
int firstRowNotUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    int row = 1;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i == bytes.size() || bytes[i] == '\n') {
            const QString line = decoder.decode(bytes.sliced(lineStart, i - lineStart));
            if (decoder.hasError())
                return row;
            ++row;
            lineStart = i + 1;
        }
    }
    return 1;
}

} // namespace

Decoded decode(QByteArrayView bytes) {
    Decoded result;
    const bool utf16Le = bytes.startsWith(utf16LeMark);
    if (utf16Le || bytes.startsWith(utf16BeMark)) {
        const auto text = strictly(utf16Le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                                   bytes.sliced(utf16LeMark.size()));
        if (!text || text->contains(QChar(u'\0')))
            result.error = QCoreApplication::translate(
                "SheetText", "the sheet begins as UTF-16 text, but its bytes are not "
                             "UTF-16.");
        else
            result.utf8 = text->toUtf8();
        return result;
    }
    if (bytes.startsWith(utf8Mark))
        bytes = bytes.sliced(utf8Mark.size());
    if (bytes.startsWith(misreadUtf8Mark)) {
        bytes = bytes.sliced(misreadUtf8Mark.size());
        result.note = QCoreApplication::translate(
            "SheetText", "the sheet begins with \"ï»¿\", a UTF-8 byte-order mark "
                         "that a program read as Windows-1252 text before saving the "
                         "sheet; it was read as the mark.");
    }
    if (const QString looks = whatItLooksLike(bytes); !looks.isEmpty()) {
        result.error =
            QCoreApplication::translate("SheetText", "it is not a text sheet: it looks like %1.")
                .arg(looks);
        return result;
    }
    if (strictly(QStringDecoder::Utf8, bytes)) {
        result.utf8 = bytes.toByteArray();
        return result;
    }
    result.utf8 = GameText::decode(bytes).toUtf8();
    if (!result.note.isEmpty())
        result.note += u' ';
    result.note += QCoreApplication::translate(
                       "SheetText", "the sheet is not UTF-8 (row %1 is the first that is not); it "
                                    "was read as Windows-1252, the game's own code page, in which "
                                    "older Excel saves CSV.")
                       .arg(firstRowNotUtf8(bytes));
    return result;
}

} // namespace SheetText
