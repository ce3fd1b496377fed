#include "common/searchform.h"

namespace {

// Letters Unicode does not decompose into a base letter and a mark, in small letters: capitals
// are folded to them first.
QString spelledOut(QChar c) {
    switch (c.unicode()) {
    case u'ø':
        return QStringLiteral("o");
    case u'æ':
        return QStringLiteral("ae");
    case u'œ':
        return QStringLiteral("oe");
    case u'ß':
        return QStringLiteral("ss");
    case u'ł':
        return QStringLiteral("l");
    case u'đ':
    case u'ð':
        return QStringLiteral("d");
    case u'þ':
        return QStringLiteral("th");
    default:
        return {};
    }
}

} // namespace

QString searchForm(const QString& text) {
    QString folded;
    const QString decomposed = text.normalized(QString::NormalizationForm_D).toCaseFolded();
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.isMark())
            continue;
        const QString spelled = spelledOut(c.toLower());
        if (spelled.isEmpty())
            folded.append(c);
        else
            folded.append(spelled);
    }
    return folded;
}
