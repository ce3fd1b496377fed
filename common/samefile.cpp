#include "common/samefile.h"

#include <QFileInfo>

bool sameFile(const QString& a, const QString& b) {
    const QFileInfo first(a);
    const QFileInfo second(b);
    // The canonical path is spelt as the file system stores it (on Windows with the capitals of
    // the names on disk), so it is the same for every way of reaching one file.
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}
