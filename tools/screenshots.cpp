// Takes the README's pictures: the main window as it starts, then, with the demo game folder
// opened in both windows and loaded and a player selected, each window as a PNG.
//   rosterly-screenshots GAME_FOLDER OUTPUT_FOLDER [PLAYER_ROW]
#include "app/form1.h"
#include "teamnames/form2.h"
#include "tools/folderplatform.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: rosterly-screenshots GAME_FOLDER OUTPUT_FOLDER [PLAYER_ROW]\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);
    const int row = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 1;
    FolderPlatform platform(QString::fromLocal8Bit(argv[1]));
    Form1 window(platform);
    // Before File > Open, an empty panel covers the lower right of the window.
    window.show();
    QDir().mkpath(output);
    if (!window.grab().save(QDir(output).filePath(QStringLiteral("main-window-start.png"))))
        return 1;
    if (!openAndLoad(window))
        return 1;
    window.controls().List1->setCurrentRow(row);
    window.showTeamEditor();
    Form2* editor = window.teamEditor();
    editor->move(window.x() + 80, window.y() + 80);
    editor->findChild<QListWidget*>(QStringLiteral("List1"))->setCurrentRow(2);

    int status = 0;
    QTimer::singleShot(500, &app, [&] {
        if (!window.grab().save(QDir(output).filePath(QStringLiteral("main-window.png"))) ||
            !editor->grab().save(QDir(output).filePath(QStringLiteral("team-editor.png"))))
            status = 1;
        app.quit();
    });
    QApplication::exec();
    return status;
}
