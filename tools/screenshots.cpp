// Takes the README's pictures: the main window as it starts, then, with the demo game folder
// opened in both windows and loaded and a player selected, each window as a PNG (the squad
// window too).
//   rosterly-screenshots GAME_FOLDER OUTPUT_FOLDER [PLAYER_ROW [LANGUAGE]]
// LANGUAGE is the code of one of the editor's languages ("de"); English when not given.
#include "app/form1.h"
#include "common/translations.h"
#include "exchange/bulkchange.h"
#include "playertable/playertablewindow.h"
#include "playertable/tablecolumns.h"
#include "teamnames/form2.h"
#include "teams/squadeditor.h"
#include "tools/folderplatform.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The pictures show the windows as a new user first sees them, not as the last run left them.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    if (argc < 3) {
        std::fprintf(stderr, "usage: rosterly-screenshots GAME_FOLDER OUTPUT_FOLDER [PLAYER_ROW "
                             "[LANGUAGE]]\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);
    const int row = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 1;
    const QString language = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
    if (Translations::install(app, language) != language) {
        std::fprintf(stderr, "rosterly-screenshots: no language \"%s\"\n", argv[4]);
        return 2;
    }
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
    // The squad window with a club on the left, a national team on the right, and a search.
    window.showSquadEditor();
    SquadEditor* squads = window.squadEditor();
    squads->move(window.x() + 40, window.y() + 40);
    auto* leftTeam = squads->findChild<QComboBox*>(QStringLiteral("leftTeam"));
    leftTeam->setCurrentIndex(leftTeam->findText(QStringLiteral("Arsenal London")));
    auto* rightTeam = squads->findChild<QComboBox*>(QStringLiteral("rightTeam"));
    rightTeam->setCurrentIndex(rightTeam->findText(QStringLiteral("Austria")));
    squads->findChild<QLineEdit*>(QStringLiteral("squadSearch"))->setText(QStringLiteral("greco"));
    // The player table: the forwards of one club with some speed, fastest first.
    window.showPlayerTable();
    PlayerTableWindow* table = window.playerTable();
    table->move(window.x() + 20, window.y() + 20);
    table->resize(1180, 560);
    table->findChild<QComboBox*>(QStringLiteral("playerFilter"))
        ->setEditText(QStringLiteral("position=CF,SS,WF speed>=70 teams~a"));
    table->findChild<QTableView*>(QStringLiteral("playerGrid"))
        ->sortByColumn(TableColumns::find(QStringLiteral("speed")), Qt::DescendingOrder);

    // Change Field… on the forwards the filter shows: speed +5, with its preview.
    table->findChild<QAction*>(QStringLiteral("bulkEdit"))->trigger();
    auto* bulk = table->findChild<QDialog*>(QStringLiteral("BulkEditDialog"));
    auto* column = bulk->findChild<QComboBox*>(QStringLiteral("bulkColumn"));
    column->setCurrentIndex(column->findText(QStringLiteral("speed")));
    auto* mode = bulk->findChild<QComboBox*>(QStringLiteral("bulkMode"));
    mode->setCurrentIndex(mode->findData(int(BulkChange::Mode::Add)));
    bulk->findChild<QLineEdit*>(QStringLiteral("bulkValue"))->setText(QStringLiteral("5"));

    int status = 0;
    QTimer::singleShot(500, &app, [&] {
        if (!window.grab().save(QDir(output).filePath(QStringLiteral("main-window.png"))) ||
            !editor->grab().save(QDir(output).filePath(QStringLiteral("team-editor.png"))) ||
            !squads->grab().save(QDir(output).filePath(QStringLiteral("squads.png"))) ||
            !table->grab().save(QDir(output).filePath(QStringLiteral("player-table.png"))) ||
            !bulk->grab().save(QDir(output).filePath(QStringLiteral("bulk-edit.png"))))
            status = 1;
        app.quit();
    });
    QApplication::exec();
    return status;
}
