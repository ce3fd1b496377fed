#pragma once

#include <QString>

// Two paths name the same file when they lead to it through any folders, links, separators or,
// where the file system ignores case (Windows), capitals.
bool sameFile(const QString& a, const QString& b);
// Both exist, and they are the same file: two missing files are not one.
bool sameExistingFile(const QString& a, const QString& b);
