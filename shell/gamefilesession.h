#pragma once

#include "common/workingcopy.h"
#include "common/workingcopydifference.h"
#include "shell/codecruns.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUndoStack>

#include <functional>
#include <vector>

class Platform;
class SaveJob;
class WriteStep;
class QProgressBar;
class QWidget;

// One game file that a window works on: the path its File > Open chose, the codec runs that
// decompress it into the working copy, its SAVE, and whether the window's lists describe the file
// now open. Every write of the window goes through here, so that none reaches the working copy
// while a save packs it.
class GameFileSession : public QObject {
    Q_OBJECT
public:
    // How long a Load waits for the decompress runs, and how many seconds a save gives the codec.
    struct Bounds {
        int loadWaitMs = 30000;
        int saveSeconds = 60;
    };

    // `windowName` names the window in messages of the other window ("the team name editor");
    // `completeSize` is the least a working copy of this kind of file holds.
    GameFileSession(Platform& platform, QWidget* window, QTimer& sat, QString windowName,
                    qint64 completeSize);
    ~GameFileSession() override;

    // The window's name changes with the language.
    void setWindowName(const QString& windowName) { m_windowName = windowName; }

    const QString& gameFile() const { return m_gameFile; }
    bool isOpen() const { return !m_gameFile.isEmpty(); }
    WorkingCopy workingCopy() const;
    // Advanced by every File > Open that takes a file.
    quint64 generation() const { return m_generation; }
    // Whether the window's lists were loaded from the file now open.
    bool listsCurrent() const { return m_listsCurrent; }
    void markListsCurrent() { m_listsCurrent = true; }

    CodecRuns& decompressRuns() { return m_decompress; }
    const CodecRuns& decompressRuns() const { return m_decompress; }
    void setBounds(const Bounds& bounds);

    // The other window's session: a file open there cannot be opened here.
    void setNeighbour(const GameFileSession* other) { m_neighbour = other; }

    // Where the file's records lie, so that the File > Open question counts changed records.
    void setRecords(const WorkingCopyDifference::Records& records) { m_records = records; }

    // Takes the file chosen in the window's File > Open: it becomes the window's file, a new
    // generation begins and the codec tool decompresses it; a Load still waiting for the file
    // open before ends without filling anything. Refused with a message, and nothing started,
    // when the other window has that file open.
    //
    // A working copy that holds changes the game file does not (writes not saved yet, of this run
    // or an earlier one) is never decompressed over without asking: when the user keeps it,
    // nothing is decompressed and Load and SAVE use the working copy as it is. The history stays
    // while the same file stays open with the same bytes, and is cleared otherwise.
    bool open(const QString& chosen);

    // SAVE: packs the working copy and puts the result in place of the game file.
    void save();
    bool isSaving() const;
    // While a save is going, says that `action` has to wait until it has finished and returns
    // true.
    bool refuseWhileSaving(const QString& action) const;

    // A window's Load: calls `fill` once the decompress runs of this file have all ended, and
    // those of `alsoWaitFor` (the other window's file, which the Load reads too): at once when none
    // is running, else from the event loop when the last one ends or the bound has passed. While
    // it waits, `bar` says so, the window goes on answering and another Load is refused with a
    // message. `fill` asks `decompressProblem()` whether the working copy can be used and returns
    // whether the lists were filled; `loadFinished` tells the outcome. Returns true when the lists
    // were filled before returning.
    bool load(QProgressBar& bar, std::function<bool()> fill,
              const GameFileSession* alsoWaitFor = nullptr);
    bool isLoading() const { return m_loading; }
    // What keeps the working copy from being read now: a failed decompress, or one still going
    // (after a wait, past its bound). Empty when it can be read.
    QString decompressProblem() const;

    // A refusal or a failure, with the warning icon; and a message that something was done.
    void message(const QString& text) const;
    void inform(const QString& text) const;

    // Ends a write-back: writes the patches into the working copy, or says why not: the values
    // were refused (`refusal`), a save is going, or the file cannot take them. True when written.
    // Each write becomes one step of the history, named `label` in the Edit menu ("Apply
    // Abilities: Adam Adams"); undoing or redoing it calls `showAgain` to show what it touched.
    bool writeBack(const std::vector<Patch>& patches, const QString& refusal, const QString& label,
                   std::function<void()> showAgain);

    // The writes into this file's working copy, in order, for the Edit menu.
    const QUndoStack& history() const { return m_history; }

    // Whether the working copy holds changes that no SAVE has put into the game file yet: writes
    // of the history since the file was opened or last saved, or changes of an earlier run that
    // File > Open kept.
    bool hasUnsavedChanges() const;
    // Edit > Undo and Redo: write back what the step replaced, or what it wrote. Refused with a
    // message, and nothing written, during a save, or when the working copy no longer holds what
    // the step left there (changed by something outside the history). True when done.
    bool undo();
    bool redo();

signals:
    void loadFinished(bool loaded);
    // Another file was opened, or hasUnsavedChanges() may have changed.
    void fileStateChanged();
    // Bytes of the working copy changed through the session: a write, an undo or a redo wrote
    // these stretches (none overlapping). Windows that show the file re-read what they touch.
    void written(const std::vector<Patch>& stretches);

private:
    void whenDecompressed(std::function<void()> ready, const GameFileSession* alsoWaitFor);
    void cancelWait();
    void endWait();
    bool stillDecompressing() const;
    void endLoad(bool loaded);
    // Asked before File > Open decompresses over a working copy that holds unsaved changes: true
    // when the user keeps it (or would lose nothing), false when it is decompressed again.
    enum class Unsaved { None, Kept, Discarded };
    Unsaved askAboutUnsavedChanges(const QString& gameFile) const;
    bool replay(const WriteStep& step, bool back);

    Platform& m_platform;
    QWidget* m_window;
    QString m_windowName;
    qint64 m_completeSize;
    QString m_gameFile;
    quint64 m_generation = 0;
    bool m_listsCurrent = false;
    CodecRuns m_decompress;
    SaveJob* m_save;
    QPointer<const GameFileSession> m_neighbour;
    Bounds m_bounds;
    QTimer m_waitTimer;
    std::function<void()> m_waiting;
    QPointer<const GameFileSession> m_alsoWaitFor;
    QMetaObject::Connection m_alsoFinished;
    QMetaObject::Connection m_alsoDestroyed;
    QPointer<QProgressBar> m_loadBar;
    bool m_loading = false;
    bool m_loaded = false;
    WorkingCopyDifference::Records m_records;
    QUndoStack m_history;
    bool m_keptUnsaved = false; // File > Open kept a working copy with unsaved changes
};
