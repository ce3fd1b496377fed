#include "player/gameterms.h"

#include <QCoreApplication>

QString gameTerm(const char* englishTerm) {
    return QCoreApplication::translate("GameTerms", englishTerm);
}
