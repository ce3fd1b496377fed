#include "common/translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace {

// The installed translators carry this name so that the next install finds them among the
// application's children.
const char translatorName[] = "rosterlyTranslator";

bool isOurs(const QString& code) {
    for (const Language& l : languages)
        if (code == QLatin1String(l.code))
            return true;
    return false;
}

} // namespace

QString Translations::matchLanguage(const QStringList& preferred) {
    for (QString code : preferred) {
        code.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = code.section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en") || language == QLatin1String("c"))
            return {};
        if (language == QLatin1String("pt"))
            return QStringLiteral("pt_BR");
        if (isOurs(language))
            return language;
    }
    return {};
}

QString Translations::systemLanguage() {
    return matchLanguage(QLocale::system().uiLanguages());
}

QString Translations::installed(const QCoreApplication& app) {
    for (const QTranslator* t :
         app.findChildren<QTranslator*>(QLatin1String(translatorName), Qt::FindDirectChildrenOnly))
        if (t->property("rosterlyCatalogue").toBool())
            return t->property("rosterlyLanguage").toString();
    return {};
}

QString Translations::install(QCoreApplication& app, const QString& code) {
    for (QTranslator* t : app.findChildren<QTranslator*>(QLatin1String(translatorName),
                                                         Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    if (!isOurs(code))
        return {};
    // Qt's catalogue first, so that ours, installed last and asked first, wins where both speak.
    for (const QString& catalogue : {QStringLiteral("qtbase_"), QStringLiteral("rosterly_")}) {
        auto* translator = new QTranslator(&app);
        translator->setObjectName(QLatin1String(translatorName));
        const bool ours = catalogue == QLatin1String("rosterly_");
        translator->setProperty("rosterlyCatalogue", ours);
        translator->setProperty("rosterlyLanguage", code);
        // Qt has no catalogue of its own for some languages (Indonesian): its buttons stay English.
        if (!translator->load(catalogue + code, QStringLiteral(":/translations"))) {
            delete translator;
            continue;
        }
        QCoreApplication::installTranslator(translator);
    }
    return installed(app) == code ? code : QString();
}

QString Translations::inheritedLanguage() {
    if (qEnvironmentVariableIsSet(languageVariable))
        return qEnvironmentVariable(languageVariable);
    return systemLanguage();
}
