#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QProcess;

// The codec tool runs that a window started for its game file. The window never blocks on them;
// it asks their state when it needs the result (Load, the completion of a save).
class CodecRuns : public QObject {
    Q_OBJECT
public:
    enum class State { None, Running, Succeeded, Failed };

    explicit CodecRuns(QObject* parent = nullptr);
    ~CodecRuns() override;

    // Decompresses the game file into its working copy. Started twice in a row, as the game's
    // tools always did; both runs write the same output through an atomic rename.
    void startDecompress(const QString& program, const QString& gameFile);
    // Compresses the game file's working copy into "<game file>.unzlib.zlib".
    void startCompress(const QString& program, const QString& gameFile);

    // Failed as soon as one run failed; Running while any run is still going.
    State state() const;
    // What went wrong, in words for a message box; empty unless the state is Failed.
    QString failure() const;
    // Waits at most `msecs` for every run to finish; true when none is running any more.
    bool waitForFinished(int msecs);
    // Waits at most `msecs`, then says what keeps the output from being used: runs still going or
    // a failed run. Empty when every run succeeded (or none was started).
    QString problemAfterWaiting(int msecs);

    // How long Load waits for the decompress runs of its file.
    static constexpr int loadWaitMs = 30000;
    // Stops runs that are still going (their output is never left half-written).
    void kill();

    const QString& gameFile() const { return m_gameFile; }

private:
    struct Run;
    void startRun(const QString& program, const QStringList& arguments);
    void forgetRuns();

    QString m_gameFile;
    std::vector<std::unique_ptr<Run>> m_runs;
};
