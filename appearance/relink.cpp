#include "appearance/relink.h"

#include "appearance/hextodec.h"
#include "common/numbertext.h"
#include "player/playeredits.h"
#include "player/playerrecord.h"

#include <QtEndian>

#include <cmath>

namespace {

// A file number typed into the face or hair box. A box without a number is refused rather than
// stored as the lowest base; the first refusal names its field.
std::optional<int> linkNumber(const QString& field, const QString& text, int low, int high,
                              QString* error) {
    const auto value = NumberText::leadingNumber(text) ? NumberText::integerInRange(text, low, high)
                                                       : std::nullopt;
    if (!value && error->isEmpty())
        *error =
            QStringLiteral("%1: enter a file number from %2 to %3.").arg(field).arg(low).arg(high);
    return value;
}

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
    const auto face = linkNumber(QStringLiteral("Face"), faceText, minFace, maxFace, &result.error);
    const auto hair = linkNumber(QStringLiteral("Hair"), hairText, minHair, maxHair, &result.error);
    if (!face || !hair)
        return result;
    result.wordText = relinkedWordText(oldWordText);
    result.patches = {
        {nameOffset + PlayerLayout::rawWord, word(HextoDec(result.wordText))},
        {nameOffset + PlayerLayout::faceBase, word(*face - faceShift)},
        {nameOffset + PlayerLayout::hairBase, word(*hair - hairShift)},
    };
    result.error = PlayerEdits::rosterTableRefusal(result.patches);
    if (!result.error.isEmpty()) {
        result.patches.clear();
        result.wordText.clear();
    }
    return result;
}

} // namespace Relink
