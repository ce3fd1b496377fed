#pragma once

#include <QString>

// The game's own words (ability, special ability and position names), translated where shown.
// Each is marked QT_TRANSLATE_NOOP("GameTerms", ...) where it is defined; files keep the English.
QString gameTerm(const char* englishTerm); // QCoreApplication::translate("GameTerms", englishTerm)
