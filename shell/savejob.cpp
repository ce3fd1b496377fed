#include "shell/savejob.h"

#include "codec/container.h"
#include "common/backups.h"
#include "common/workingcopy.h"
#include "shell/platform.h"
#include "shell/programtitle.h"

#include <QDir>
#include <QFile>
#include <QTimer>
#include <QWidget>

SaveJob::SaveJob(Platform& platform, QWidget* window, QTimer& sat)
    : QObject(window), m_platform(platform), m_window(window), m_sat(sat) {
    m_sat.setInterval(1000);
    connect(&m_sat, &QTimer::timeout, this, &SaveJob::tick);
}

bool SaveJob::isSaving() const {
    return m_sat.isActive();
}

bool SaveJob::refuseWhileSaving(const QString& action) {
    if (!isSaving())
        return false;
    m_platform.showWarning(
        m_window, programTitle(),
        //: %1 is what has to wait, as a request ("Close the window again", "Open a file").
        tr("A save is in progress. %1 when it has finished.").arg(action));
    return true;
}

void SaveJob::start(const QString& gameFile, const CodecRuns& decompress, qint64 minimumSize) {
    if (gameFile.isEmpty()) {
        m_platform.showWarning(m_window, programTitle(),
                               tr("No game file is open, so there is nothing to save. Use "
                                  "File > Open first."));
        return;
    }
    if (refuseWhileSaving(tr("Save again")))
        return;
    if (const QString problem = decompress.problem(); !problem.isEmpty()) {
        m_platform.showWarning(m_window, programTitle(),
                               tr("%1\nThe game file was not changed.").arg(problem));
        return;
    }
    const WorkingCopy workingCopy(WorkingCopy::pathForGameFile(gameFile));
    if (workingCopy.size() < minimumSize) {
        m_platform.showWarning(
            m_window, programTitle(),
            tr("The working copy %1 is missing or shorter than a complete one (%2 bytes), so it "
               "is not saved. The game file was not changed.")
                .arg(workingCopy.shownPath())
                .arg(minimumSize));
        return;
    }
    m_gameFile = gameFile;
    m_ticks = 0;
    m_runs.startCompress(m_platform.codecProgram(), gameFile);
    m_sat.start();
}

void SaveJob::tick() {
    ++m_ticks;
    switch (m_runs.state()) {
    case CodecRuns::State::Running:
        if (m_ticks < m_maxTicks)
            return; // the next tick looks again
        m_runs.kill();
        finish(Outcome::Failed, tr("The codec tool did not finish compressing within %1 "
                                   "seconds. The game file was not changed.")
                                    .arg(m_maxTicks));
        return;
    case CodecRuns::State::Failed:
    case CodecRuns::State::None:
        finish(Outcome::Failed,
               tr("Compressing the working copy failed: %1\nThe game file was not changed.")
                   .arg(m_runs.failure()));
        return;
    case CodecRuns::State::Succeeded:
        break;
    }
    QString error;
    if (!replaceGameFile(&error)) {
        finish(Outcome::Failed, tr("%1\nThe game file was not changed.").arg(error));
        return;
    }
    emit saved();
    //: The message box that ends a save that replaced the game file.
    finish(Outcome::Saved, tr("DONE!"));
}

void SaveJob::finish(Outcome outcome, const QString& message) {
    // Stopped before the message box opens, so its event loop cannot complete the save twice.
    m_sat.stop();
    // A result that was not put in place (a failed or killed run's leftovers) is of no use.
    QFile::remove(WorkingCopy::compressedPathForGameFile(m_gameFile));
    if (outcome == Outcome::Saved)
        m_platform.showMessage(m_window, programTitle(), message);
    else
        m_platform.showWarning(m_window, programTitle(), message);
}

bool SaveJob::replaceGameFile(QString* error) const {
    const QString compressedPath = WorkingCopy::compressedPathForGameFile(m_gameFile);
    QFile compressed(compressedPath);
    if (!compressed.open(QIODevice::ReadOnly)) {
        *error = tr("The compressed result %1 is missing or unreadable: %2")
                     .arg(QDir::toNativeSeparators(compressedPath), compressed.errorString());
        return false;
    }
    const QByteArray bytes = compressed.readAll();
    if (!Container::decompress(bytes).ok()) {
        *error = tr("The compressed result %1 is damaged.")
                     .arg(QDir::toNativeSeparators(compressedPath));
        return false;
    }
    // The game file as it was goes into its backups first; without a backup it stays as it is.
    QString why;
    if (Backups::replaceGameFile(m_gameFile, bytes, &why))
        return true;
    *error = tr("The game file %1 could not be replaced: %2")
                 .arg(QDir::toNativeSeparators(m_gameFile), why);
    return false;
}
