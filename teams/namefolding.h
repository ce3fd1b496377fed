#pragma once

#include <QString>
#include <QStringList>

#include <array>

// Folds the capitals of a letter table into their small letters, and nothing else: digits,
// blanks, punctuation and accented letters stay as they are. The player search compares names
// folded this way.
class NameFolding {
public:
    // Entry k of `capitals` folds to entry k of `smalls`; entries must be single characters.
    NameFolding(const QStringList& capitals, const QStringList& smalls);

    QString fold(const QString& text) const;

    // The first position whose folded name equals the folded text, or -1.
    int find(const QStringList& names, const QString& text) const;

private:
    std::array<char16_t, 128> m_map{}; // folded form of each ASCII character
};
