#include "teams/namefolding.h"

#include <numeric>

NameFolding::NameFolding(const QStringList& capitals, const QStringList& smalls) {
    std::iota(m_map.begin(), m_map.end(), char16_t(0));
    const qsizetype count = std::min(capitals.size(), smalls.size());
    for (qsizetype k = 0; k < count; ++k) {
        if (capitals[k].size() != 1 || smalls[k].size() != 1)
            continue;
        const char16_t from = capitals[k].at(0).unicode();
        if (from < m_map.size())
            m_map[from] = smalls[k].at(0).unicode();
    }
}

QString NameFolding::fold(const QString& text) const {
    QString folded = text;
    for (QChar& c : folded)
        if (c.unicode() < m_map.size())
            c = QChar(m_map[c.unicode()]);
    return folded;
}

int NameFolding::find(const QStringList& names, const QString& text) const {
    const QString wanted = fold(text);
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names[i].size() == wanted.size() && fold(names[i]) == wanted)
            return static_cast<int>(i);
    return -1;
}
