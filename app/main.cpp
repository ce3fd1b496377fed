#include "app/form1.h"
#include "shell/programtitle.h"
#include "shell/qtplatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(programTitle());
    QtPlatform platform;
    Form1 window(platform);
    window.show();
    return QApplication::exec();
}
