#pragma once

#include "shell/codecruns.h"
#include "common/parallellist.h"
#include "teamnames/teamsource.h"

#include <QMainWindow>

class Platform;
class SaveJob;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;

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

    bool pressLoad() override;
    QStringList teamNames() const override;
    QStringList teamIds() const override;

    void changeName();
    void search();
    void save();

    CodecRuns& decompressRuns() { return m_decompress; }
    const QString& teamFile() const { return cmdOpen; }
    const ParallelList& nameOffsets() const { return adrese_naziv; }
    const ParallelList& shortNames() const { return igraci_skraceno; }
    const ParallelList& teamIdList() const { return listaid; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void open(const QString& title, const QString& fileName);
    void selectTeam(int row);
    void message(const QString& text);

    Platform& m_platform;
    CodecRuns m_decompress;
    SaveJob* m_saveJob = nullptr;
    // The lists describe the file now open; false from File > Open until the next Load.
    bool m_listsCurrent = false;

    QListWidget* List1 = nullptr;
    QLineEdit* nazivigraca = nullptr;
    QLineEdit* nazivigraca_dres = nullptr;
    QPushButton* Command2 = nullptr;       // "Load"
    QPushButton* promjena_imena = nullptr; // "Change name"
    QPushButton* Command1 = nullptr;       // "SAVE"
    QLineEdit* trazi_tim = nullptr;
    QPushButton* Command9 = nullptr; // "Search "
    QProgressBar* puni = nullptr;
    QTimer* sat = nullptr;

    ParallelList adrese_naziv;
    ParallelList igraci_skraceno;
    ParallelList listaid;
    QString cmdOpen;
};
