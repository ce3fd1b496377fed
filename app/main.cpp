#include "app/form1.h"
#include "shell/programtitle.h"
#include "shell/qtplatform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(programTitle());
    QApplication::setOrganizationName(programTitle()); // where the settings are kept
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/rosterly.png")));
    QtPlatform platform;
    Form1 window(platform);
    window.show();
    return QApplication::exec();
}
