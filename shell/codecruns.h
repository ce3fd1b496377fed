#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QProcess;

// The codec tool runs that a window started for its game file. Nothing ever waits for them: the
// window asks their state when it needs the result (the completion of a save), or is told by
// `finished` when they have all ended (a Load that found them still going).
class CodecRuns : public QObject {
    Q_OBJECT
public:
    enum class State { None, Running, Succeeded, Failed };

    explicit CodecRuns(QObject* parent = nullptr);
    ~CodecRuns() override;

    // Decompresses the game file into its working copy. Started twice in a row, as the game's
    // tools always did; both runs write the same output through an atomic rename. Runs of an
    // earlier start are stopped and forgotten.
    void startDecompress(const QString& program, const QString& gameFile);
    // Starts nothing for `gameFile`, whose working copy is used as it is: runs of an earlier start
    // are stopped and forgotten, and the state is None.
    void keep(const QString& gameFile);
    // Compresses the game file's working copy into "<game file>.unzlib.zlib".
    void startCompress(const QString& program, const QString& gameFile);

    // Running while any run is still going; then Succeeded when one run succeeded (each run writes
    // the whole output through an atomic rename, so one success leaves a complete output, whatever
    // the other run met, such as a disk that had room for one temporary file only), else Failed.
    State state() const;
    // What went wrong, in words for a message box; empty unless the state is Failed.
    QString failure() const;
    // What keeps the output from being used now: runs still going, or a failed run. Empty when
    // every run succeeded (or none was started).
    QString problem() const;

    // Stops runs that are still going (their output is never left half-written).
    void kill();

    const QString& gameFile() const { return m_gameFile; }

signals:
    // The runs of the latest start have all ended, well or not. Sent once per start, from the
    // event loop, never from inside a start.
    void finished();

private:
    struct Run {
        QProcess* process = nullptr; // a child of this object
        bool done = false;
        QString error; // empty while running and after success
    };
    void startRun(const QString& program, const QStringList& arguments);
    void runEnded(quint64 batch);
    void forgetRuns();

    QString m_gameFile;
    std::vector<Run> m_runs;
    quint64 m_batch = 0; // counts the starts, so that a late signal of a forgotten run is ignored
    bool m_reported = false;
};
