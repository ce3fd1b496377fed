// rosterly-idle GAME_FOLDER SECONDS [--table]: opens and loads the game folder in the editor,
// selects a player and then leaves the editor idle for SECONDS, so that its CPU use and memory can
// be measured from outside. With --table the player table is open too, sorted and filtered.
#include "app/form1.h"
#include "playertable/playertablemodel.h"
#include "playertable/playertablewindow.h"
#include "playertable/tablecolumns.h"
#include "tools/folderplatform.h"

#include <QApplication>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QTemporaryDir settings; // the user's settings are not read nor changed
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    if (argc < 3) {
        std::fprintf(stderr, "usage: rosterly-idle GAME_FOLDER SECONDS [--table]\n");
        return 2;
    }
    FolderPlatform platform(QString::fromLocal8Bit(argv[1]));
    Form1 window(platform);
    if (!openAndLoad(window))
        return 1;
    window.controls().List1->setCurrentRow(1);
    if (argc > 3 && QByteArray(argv[3]) == "--table") {
        window.showPlayerTable();
        PlayerTableModel& model = window.playerTable()->model();
        model.sort(TableColumns::find(QStringLiteral("name")), Qt::AscendingOrder);
        QString error;
        model.setFilter(QStringLiteral("position=CF,SS speed>=80 teams~a"), &error);
        model.setFilter(QString(), &error);
    }
    std::printf("loaded\n");
    std::fflush(stdout);
    QTimer::singleShot(QString::fromLocal8Bit(argv[2]).toInt() * 1000, &app, &QApplication::quit);
    return QApplication::exec();
}
