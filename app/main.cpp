#include "app/form1.h"
#include "common/translations.h"
#include "shell/editorsettings.h"
#include "shell/programtitle.h"
#include "shell/qtplatform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(programTitle());
    QApplication::setOrganizationName(programTitle()); // where the settings are kept
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/rosterly.png")));
    // The language kept from the Language menu; none kept, or "System", is the system's.
    const QString kept = EditorSettings().value(EditorSettings::languageKey()).toString();
    Translations::install(app, kept.isEmpty() ? Translations::systemLanguage() : kept);
    QtPlatform platform;
    Form1 window(platform);
    window.show();
    return QApplication::exec();
}
