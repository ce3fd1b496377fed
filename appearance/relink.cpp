#include "appearance/relink.h"

#include "appearance/hextodec.h"
#include "common/numbertext.h"
#include "player/playerrecord.h"

#include <QtEndian>

#include <cmath>

namespace {

QByteArray word(qint32 value) {
    QByteArray bytes(2, '\0');
    qToLittleEndian<quint16>(static_cast<quint16>(value), bytes.data());
    return bytes;
}

} // namespace

namespace Relink {

QString faceCaption(const QString& faceText) {
    return QStringLiteral("Face: unnamed_") + faceText + QStringLiteral(".bin");
}

QString hairCaption(const QString& hairText) {
    return QStringLiteral("Hair: unnamed_") + hairText + QStringLiteral(".bin");
}

std::optional<int> proposedHair(const QString& faceText) {
    const auto face = NumberText::leadingNumber(faceText);
    if (!face || std::abs(*face) > 1e9)
        return std::nullopt;
    return static_cast<int>(NumberText::roundHalfEven(*face)) + hairProposal;
}

QString relinkedWordText(const QString& oldWordText) {
    const QChar linkDigit = oldWordText.size() >= 4 ? oldWordText.at(3) : QChar(u'0');
    return QString(linkDigit) + QStringLiteral("D81");
}

Result relink(qint64 nameOffset, const QString& oldWordText, const QString& faceText,
              const QString& hairText) {
    Result result;
    // A box without a number is refused rather than stored as the lowest base.
    const auto face = NumberText::leadingNumber(faceText)
                          ? NumberText::integerInRange(faceText, minFace, maxFace)
                          : std::nullopt;
    if (!face) {
        result.error =
            QStringLiteral("Face: enter a file number from %1 to %2.").arg(minFace).arg(maxFace);
        return result;
    }
    const auto hair = NumberText::leadingNumber(hairText)
                          ? NumberText::integerInRange(hairText, minHair, maxHair)
                          : std::nullopt;
    if (!hair) {
        result.error =
            QStringLiteral("Hair: enter a file number from %1 to %2.").arg(minHair).arg(maxHair);
        return result;
    }
    result.wordText = relinkedWordText(oldWordText);
    result.patches = {
        {nameOffset + PlayerLayout::rawWord, word(HextoDec(result.wordText))},
        {nameOffset + PlayerLayout::faceBase, word(*face - faceShift)},
        {nameOffset + PlayerLayout::hairBase, word(*hair - hairShift)},
    };
    return result;
}

} // namespace Relink
