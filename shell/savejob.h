#pragma once

#include "shell/codecruns.h"

#include <QObject>
#include <QString>

class Platform;
class QTimer;
class QWidget;

// A window's SAVE: the codec tool compresses the working copy, and the window's one-second timer
// `sat` then puts the compressed result in place of the game file. Both windows save this way.
//
// The game file is replaced only by a compressed result that a codec run finished successfully
// and that decodes as a container, only atomically, and only once the file as it was is kept in
// its backups (common/backups.h). While the run is still going, the timer keeps ticking; past a
// bound the save is abandoned and the game file stays as it was.
class SaveJob : public QObject {
    Q_OBJECT
public:
    static constexpr int defaultMaxTicks = 60; // seconds the codec tool gets to finish

    SaveJob(Platform& platform, QWidget* window, QTimer& sat);

    // Starts the compress of `gameFile`'s working copy and the timer. Says so and starts nothing
    // when no game file was chosen, a save is already going, the decompress of the file has not
    // finished well (`decompress`), or the working copy is shorter than `minimumSize`: packing
    // anything else would put data the user never loaded in place of the game file.
    void start(const QString& gameFile, const CodecRuns& decompress, qint64 minimumSize);

    bool isSaving() const;
    // How many ticks of `sat` (seconds) the codec tool gets before the save is abandoned.
    void setMaxTicks(int ticks) { m_maxTicks = ticks; }
    // While a save is going, says that `action` ("Close the window again", ...) has to wait until
    // it has finished, and returns true: closing would kill the save, and opening could replace
    // the working copy it packs.
    bool refuseWhileSaving(const QString& action);

signals:
    // The game file now holds the working copy as it was when the save began.
    void saved();

private:
    // How a save ended: the game file replaced, or left as it was.
    enum class Outcome { Saved, Failed };

    void tick();
    // Ends the save and says how: a message for a save that replaced the game file, a warning
    // otherwise.
    void finish(Outcome outcome, const QString& message);
    bool replaceGameFile(QString* error) const;

    Platform& m_platform;
    QWidget* m_window;
    QTimer& m_sat;
    CodecRuns m_runs;
    QString m_gameFile;
    int m_ticks = 0;
    int m_maxTicks = defaultMaxTicks;
};
