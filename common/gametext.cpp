#include "common/gametext.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char* codePage = "windows-1252";
}

namespace GameText {

QString decode(QByteArrayView field) {
    const qsizetype end = field.indexOf('\0');
    QStringDecoder decoder(codePage);
    return decoder.decode(end < 0 ? field : field.first(end));
}

QString unrepresentable(const QString& text) {
    QString refused;
    for (const QChar c : text) {
        QStringEncoder encoder(codePage);
        const QByteArray bytes = encoder.encode(QString(c));
        const bool ok = !encoder.hasError() && bytes.size() == 1 && bytes.at(0) != '\0';
        if (!ok && !refused.contains(c))
            refused += c;
    }
    return refused;
}

std::optional<QByteArray> encodeField(const QString& text, int width) {
    QStringEncoder encoder(codePage);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError() || bytes.size() != text.size() || bytes.size() > width ||
        bytes.contains('\0'))
        return std::nullopt;
    bytes.append(width - bytes.size(), '\0');
    return bytes;
}

} // namespace GameText
