#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The game stores text one byte per character in the Windows-1252 code page, zero-filled to the
// width of its field.
namespace GameText {

// Every byte of the field becomes one character; the text ends at the first zero byte.
QString decode(QByteArrayView field);

// Characters the code page cannot represent, as a readable list for a message; empty when the
// whole text is representable.
QString unrepresentable(const QString& text);

// The text as code-page bytes followed by zero bytes up to `width`. Empty when the text is longer
// than the field or holds a character the code page cannot represent.
std::optional<QByteArray> encodeField(const QString& text, int width);

} // namespace GameText
