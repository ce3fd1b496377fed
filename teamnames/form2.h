#pragma once

#include "common/parallellist.h"
#include "teamnames/teamsource.h"

#include <QMainWindow>

class GameFileSession;
class Platform;
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;
class QTimer;
class WindowTitle;

// The team name editor: lists the team file's teams, renames them, searches them and saves the
// team file. The main window reads its lists through TeamSource.
class Form2 : public QMainWindow, public TeamSource {
    Q_OBJECT
public:
    explicit Form2(Platform& platform, QWidget* parent = nullptr);
    ~Form2() override;

    // The window's load step: asks for the team file and has the codec decompress it.
    void windowLoad();
    // File > Open: the same for another team file.
    void openTeamFile();

    // "Load": lists the teams of the open team file. When the codec tool is still decompressing
    // it, the window says so and goes on answering; the list fills when it has finished. True when
    // the list was filled before returning.
    bool pressLoad();
    bool loadNow() override;
    QStringList teamNames() const override;
    QStringList teamIds() const override;
    GameFileSession& session() override;

    void changeName();
    void search();
    void save();

    const QString& teamFile() const;
    const ParallelList& nameOffsets() const { return adrese_naziv; }
    const ParallelList& shortNames() const { return igraci_skraceno; }
    const ParallelList& teamIdList() const { return listaid; }

signals:
    // A Load has ended, at once or after waiting for the codec tool.
    void loadFinished(bool loaded);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Every caption in the language shown.
    void setTexts();
    void open(const QString& title, const QString& fileName);
    void selectTeam(int row);
    // After an undo or redo of a rename: the list read again and the team selected.
    void showTeamAgain(qint64 nameOffset);
    void message(const QString& text);

    Platform& m_platform;
    GameFileSession* m_session = nullptr;
    WindowTitle* m_title = nullptr;
    bool m_placed = false;

    QMenu* mnuFile = nullptr;
    QAction* mnuOpen = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label1 = nullptr; // "Team Name:"
    QLabel* Label2 = nullptr; // "Short Name:"
    QLineEdit* nazivigraca = nullptr;
    QLineEdit* nazivigraca_dres = nullptr;
    QPushButton* Command2 = nullptr;       // "Load"
    QPushButton* promjena_imena = nullptr; // "Change name"
    QPushButton* Command1 = nullptr;       // "SAVE"
    QLineEdit* trazi_tim = nullptr;
    QString m_searchHint;            // what trazi_tim holds until it is clicked
    QPushButton* Command9 = nullptr; // "Search "
    QProgressBar* puni = nullptr;
    QTimer* sat = nullptr;

    ParallelList adrese_naziv;
    ParallelList igraci_skraceno;
    ParallelList listaid;
    QList<qint64> m_shortEntryOffsets; // where each short name of igraci_skraceno lies
};
