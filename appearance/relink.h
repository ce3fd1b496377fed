#pragma once

#include "common/numberrange.h"
#include "common/workingcopy.h"
#include "player/playerrecord.h"

#include <QString>

#include <optional>
#include <vector>

// The face and hair links of a player record: which game files ("unnamed_<n>.bin") hold the
// player's face and hair, and the raw word that goes with them.
namespace Relink {

constexpr int faceShift = PlayerLayout::faceShift;
constexpr int hairShift = PlayerLayout::hairShift;
constexpr int hairProposal = 3574; // a new face proposes face + 3574 as the hair file
// Numbers a record can hold: the stored 16-bit signed base plus the shift.
constexpr int minFace = -32768 + faceShift;
constexpr int maxFace = 32767 + faceShift;
constexpr int minHair = -32768 + hairShift;
constexpr int maxHair = 32767 + hairShift;
inline constexpr NumberRange faceRange{minFace, maxFace,
                                       QT_TRANSLATE_NOOP("NumberRange", "a file number")};
inline constexpr NumberRange hairRange{minHair, maxHair,
                                       QT_TRANSLATE_NOOP("NumberRange", "a file number")};

QString faceCaption(const QString& faceText); // "Face: unnamed_<text>.bin"
QString hairCaption(const QString& hairText); // "Hair: unnamed_<text>.bin"
// The hair number a face number proposes; empty when the face text holds no number.
std::optional<int> proposedHair(const QString& faceText);

// The raw word's new hexadecimal text: the link digit (fourth character of the old text, "0"
// when it is shorter) followed by "D81".
QString relinkedWordText(const QString& oldWordText);

// What Relink writes for the numbers given (within their ranges): the raw word from its new text,
// and each base whose number is given. Relink gives both; the spreadsheet import only those that
// change.
std::vector<Patch> linkPatches(qint64 nameOffset, const QString& newWordText,
                               std::optional<int> face, std::optional<int> hair);

struct Result {
    QString wordText; // the new text of the raw word
    std::vector<Patch> patches;
    QString error; // empty on success; names the field and the allowed range
};

// What Relink writes for the record at name offset `nameOffset`: the raw word, the face base and
// the hair base. Refused as a whole when the face or hair text is not a number in its range.
Result relink(qint64 nameOffset, const QString& oldWordText, const QString& faceText,
              const QString& hairText);

} // namespace Relink
