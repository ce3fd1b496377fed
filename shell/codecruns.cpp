#include "shell/codecruns.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>

struct CodecRuns::Run {
    QProcess process;
    bool done = false;
    QString error; // empty while running and after success
};

CodecRuns::CodecRuns(QObject* parent) : QObject(parent) {}

CodecRuns::~CodecRuns() {
    forgetRuns();
}

void CodecRuns::forgetRuns() {
    for (const auto& run : m_runs) {
        run->process.disconnect(this);
        if (run->process.state() != QProcess::NotRunning) {
            run->process.kill();
            run->process.waitForFinished(2000);
        }
    }
    m_runs.clear();
}

void CodecRuns::startDecompress(const QString& program, const QString& gameFile) {
    forgetRuns();
    m_gameFile = gameFile;
    // The path is one argument: blanks in it never split it.
    startRun(program, {gameFile, QStringLiteral("-d")});
    startRun(program, {gameFile, QStringLiteral("-d")});
}

void CodecRuns::startCompress(const QString& program, const QString& gameFile) {
    forgetRuns();
    m_gameFile = gameFile;
    startRun(program, {gameFile + QStringLiteral(".unzlib")});
}

void CodecRuns::startRun(const QString& program, const QStringList& arguments) {
    auto run = std::make_unique<Run>();
    Run* raw = run.get();
    raw->process.setProcessChannelMode(QProcess::SeparateChannels);
    raw->process.setStandardInputFile(QProcess::nullDevice());
    connect(&raw->process, &QProcess::finished, this,
            [this, raw](int exitCode, QProcess::ExitStatus status) {
                raw->done = true;
                if (status != QProcess::NormalExit)
                    raw->error = QStringLiteral("The codec tool stopped unexpectedly.");
                else if (exitCode != 0) {
                    const QString why =
                        QString::fromLocal8Bit(raw->process.readAllStandardError()).trimmed();
                    raw->error =
                        why.isEmpty()
                            ? QStringLiteral("The codec tool failed (exit code %1).").arg(exitCode)
                            : why;
                }
            });
    connect(&raw->process, &QProcess::errorOccurred, this, [this, raw, program](auto error) {
        if (error != QProcess::FailedToStart)
            return;
        raw->done = true;
        raw->error = QFileInfo::exists(program)
                         ? QStringLiteral("The codec tool %1 could not be started.").arg(program)
                         : QStringLiteral("The codec tool %1 is missing.").arg(program);
    });
    m_runs.push_back(std::move(run));
    raw->process.start(program, arguments);
}

CodecRuns::State CodecRuns::state() const {
    if (m_runs.empty())
        return State::None;
    bool running = false;
    for (const auto& run : m_runs) {
        if (!run->error.isEmpty())
            return State::Failed;
        running = running || !run->done;
    }
    return running ? State::Running : State::Succeeded;
}

QString CodecRuns::failure() const {
    for (const auto& run : m_runs)
        if (!run->error.isEmpty())
            return run->error;
    return {};
}

bool CodecRuns::waitForFinished(int msecs) {
    const QDeadlineTimer deadline(msecs);
    for (const auto& run : m_runs) {
        if (run->done)
            continue;
        // waitForFinished delivers the finished signal that marks the run done.
        run->process.waitForFinished(static_cast<int>(deadline.remainingTime()));
        if (!run->done && run->process.state() == QProcess::NotRunning) {
            run->done = true; // it never started; the error handler may not have run yet
            if (run->error.isEmpty())
                run->error = QStringLiteral("The codec tool %1 could not be started: %2")
                                 .arg(run->process.program(), run->process.errorString());
        }
        if (!run->done)
            return false;
    }
    return true;
}

QString CodecRuns::problemAfterWaiting(int msecs) {
    if (!waitForFinished(msecs))
        return QStringLiteral("The codec tool is still working on %1. Try again when it has "
                              "finished.")
            .arg(m_gameFile);
    if (state() == State::Failed)
        return QStringLiteral("The codec tool failed on %1: %2").arg(m_gameFile, failure());
    return {};
}

void CodecRuns::kill() {
    for (const auto& run : m_runs)
        if (!run->done)
            run->process.kill();
}
