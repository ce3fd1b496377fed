#include "app/form1.h"
#include "app/programtitle.h"
#include "app/qtplatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(programTitle());
    QtPlatform platform;
    Form1 window(platform);
    window.show();
    return QApplication::exec();
}
