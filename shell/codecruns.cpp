#include "shell/codecruns.h"

#include "common/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

CodecRuns::CodecRuns(QObject* parent) : QObject(parent) {}

CodecRuns::~CodecRuns() {
    for (const Run& run : m_runs)
        run.process->disconnect(this);
    kill();
}

void CodecRuns::forgetRuns() {
    ++m_batch;
    m_reported = false;
    for (const Run& run : m_runs) {
        run.process->disconnect(this);
        if (run.process->state() == QProcess::NotRunning) {
            delete run.process;
            continue;
        }
        // Killed, and deleted once it has ended: nothing waits for it.
        connect(run.process, &QProcess::finished, run.process, &QObject::deleteLater);
        connect(run.process, &QProcess::errorOccurred, run.process, &QObject::deleteLater);
        run.process->kill();
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

void CodecRuns::keep(const QString& gameFile) {
    forgetRuns();
    m_gameFile = gameFile;
}

void CodecRuns::startCompress(const QString& program, const QString& gameFile) {
    forgetRuns();
    m_gameFile = gameFile;
    startRun(program, {gameFile + QStringLiteral(".unzlib")});
}

void CodecRuns::startRun(const QString& program, const QStringList& arguments) {
    auto* process = new QProcess(this);
    const std::size_t index = m_runs.size();
    const quint64 batch = m_batch;
    m_runs.push_back(Run{process, false, QString()});
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    // The tool's messages, which a failure shows, come in the editor's language. English is "en":
    // Windows cannot hand an empty variable to a child.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QCoreApplication* app = QCoreApplication::instance();
    const QString language = app ? Translations::installed(*app) : QString();
    environment.insert(QString::fromLatin1(Translations::languageVariable),
                       language.isEmpty() ? QStringLiteral("en") : language);
    process->setProcessEnvironment(environment);
    connect(process, &QProcess::finished, this,
            [this, index, batch](int exitCode, QProcess::ExitStatus status) {
                Run& run = m_runs[index];
                run.done = true;
                if (status != QProcess::NormalExit)
                    run.error = tr("The codec tool stopped unexpectedly.");
                else if (exitCode != 0) {
                    const QString why =
                        QString::fromLocal8Bit(run.process->readAllStandardError()).trimmed();
                    run.error = why.isEmpty()
                                    ? tr("The codec tool failed (exit code %1).").arg(exitCode)
                                    : why;
                }
                runEnded(batch);
            });
    connect(
        process, &QProcess::errorOccurred, this,
        [this, index, batch, program](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return;
            Run& run = m_runs[index];
            run.done = true;
            run.error =
                QFileInfo::exists(program)
                    ? tr("The codec tool %1 could not be started.")
                          .arg(QDir::toNativeSeparators(program))
                    : tr("The codec tool %1 is missing.").arg(QDir::toNativeSeparators(program));
            runEnded(batch);
        });
    process->start(program, arguments);
}

void CodecRuns::runEnded(quint64 batch) {
    // Reported from the event loop: a run that fails inside `start` must not report the batch
    // before its second run has even started.
    QMetaObject::invokeMethod(
        this,
        [this, batch] {
            if (batch != m_batch || m_reported || state() == State::Running)
                return;
            m_reported = true;
            emit finished();
        },
        Qt::QueuedConnection);
}

CodecRuns::State CodecRuns::state() const {
    if (m_runs.empty())
        return State::None;
    bool succeeded = false;
    for (const Run& run : m_runs) {
        if (!run.done)
            return State::Running;
        succeeded = succeeded || run.error.isEmpty();
    }
    return succeeded ? State::Succeeded : State::Failed;
}

QString CodecRuns::failure() const {
    if (state() != State::Failed)
        return {};
    for (const Run& run : m_runs)
        if (!run.error.isEmpty())
            return run.error;
    return {};
}

QString CodecRuns::problem() const {
    switch (state()) {
    case State::Running:
        return tr("The codec tool is still working on %1. Try again when it has finished.")
            .arg(QDir::toNativeSeparators(m_gameFile));
    case State::Failed:
        return tr("The codec tool failed on %1: %2")
            .arg(QDir::toNativeSeparators(m_gameFile), failure());
    case State::None:
    case State::Succeeded:
        break;
    }
    return {};
}

void CodecRuns::kill() {
    for (const Run& run : m_runs)
        if (!run.done)
            run.process->kill();
}
