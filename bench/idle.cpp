// rosterly-idle GAME_FOLDER SECONDS: opens and loads the game folder in the editor, selects a
// player and then leaves the editor idle for SECONDS, so that its CPU use and memory can be
// measured from outside.
#include "app/form1.h"
#include "tools/folderplatform.h"

#include <QApplication>
#include <QListWidget>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: rosterly-idle GAME_FOLDER SECONDS\n");
        return 2;
    }
    FolderPlatform platform(QString::fromLocal8Bit(argv[1]));
    Form1 window(platform);
    if (!openAndLoad(window))
        return 1;
    window.controls().List1->setCurrentRow(1);
    std::printf("loaded\n");
    std::fflush(stdout);
    QTimer::singleShot(QString::fromLocal8Bit(argv[2]).toInt() * 1000, &app, &QApplication::quit);
    return QApplication::exec();
}
