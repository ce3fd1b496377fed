#include "appearance/relink.h"

#include "appearance/hextodec.h"
#include "common/numbertext.h"
#include "player/gameterms.h"
#include "player/playeredits.h"
#include "player/playerrecord.h"

#include <QCoreApplication>
#include <QtEndian>

#include <cmath>

namespace {

// A file number typed into the face or hair box. A box without a number is refused rather than
// stored as the lowest base; the first refusal names its field (the game's term, as shown).
std::optional<int> linkNumber(const char* field, const QString& text, const NumberRange& range,
                              QString* error) {
    const auto value = NumberText::leadingNumber(text)
                           ? NumberText::integerInRange(text, range.low, range.high)
                           : std::nullopt;
    if (value || !error->isEmpty())
        return value;
    //: %1 is Face or Hair, %2 why the number typed is refused
    *error = QCoreApplication::translate("Relink", "%1: %2").arg(gameTerm(field), range.refusal());
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
    //: unnamed_%1.bin is the name of the game file that holds the face; %1 is its number
    return QCoreApplication::translate("Relink", "Face: unnamed_%1.bin").arg(faceText);
}

QString hairCaption(const QString& hairText) {
    //: unnamed_%1.bin is the name of the game file that holds the hair; %1 is its number
    return QCoreApplication::translate("Relink", "Hair: unnamed_%1.bin").arg(hairText);
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

std::vector<Patch> linkPatches(qint64 nameOffset, const QString& newWordText,
                               std::optional<int> face, std::optional<int> hair) {
    std::vector<Patch> patches{{nameOffset + PlayerLayout::rawWord, word(HextoDec(newWordText))}};
    if (face)
        patches.push_back({nameOffset + PlayerLayout::faceBase, word(*face - faceShift)});
    if (hair)
        patches.push_back({nameOffset + PlayerLayout::hairBase, word(*hair - hairShift)});
    return patches;
}

Result relink(qint64 nameOffset, const QString& oldWordText, const QString& faceText,
              const QString& hairText) {
    Result result;
    const auto face =
        linkNumber(QT_TRANSLATE_NOOP("GameTerms", "Face"), faceText, faceRange, &result.error);
    const auto hair =
        linkNumber(QT_TRANSLATE_NOOP("GameTerms", "Hair"), hairText, hairRange, &result.error);
    if (!face || !hair)
        return result;
    result.wordText = relinkedWordText(oldWordText);
    result.patches = linkPatches(nameOffset, result.wordText, face, hair);
    result.error = PlayerEdits::rosterTableRefusal(result.patches);
    if (!result.error.isEmpty()) {
        result.patches.clear();
        result.wordText.clear();
    }
    return result;
}

} // namespace Relink
