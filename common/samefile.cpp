#include "common/samefile.h"

#include <QFileInfo>

bool sameFile(const QString& a, const QString& b) {
    const QFileInfo first(a);
    const QFileInfo second(b);
    // Qt compares the canonical paths with the case rule of the system's file names; the
    // canonical path alone keeps the capitals it was given on Windows.
    if (first.exists() && second.exists())
        return first == second;
    return first.absoluteFilePath() == second.absoluteFilePath();
}

bool sameExistingFile(const QString& a, const QString& b) {
    return QFileInfo::exists(a) && QFileInfo::exists(b) && sameFile(a, b);
}
