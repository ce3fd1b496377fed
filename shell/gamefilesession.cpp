#include "shell/gamefilesession.h"

#include "common/samefile.h"
#include "shell/platform.h"
#include "shell/programtitle.h"
#include "shell/savejob.h"

#include <QProgressBar>

#include <QWidget>
#include <utility>

GameFileSession::GameFileSession(Platform& platform, QWidget* window, QTimer& sat,
                                 QString windowName, qint64 completeSize)
    : QObject(window), m_platform(platform), m_window(window), m_windowName(std::move(windowName)),
      m_completeSize(completeSize), m_save(new SaveJob(platform, window, sat)) {
    m_waitTimer.setSingleShot(true);
    connect(&m_waitTimer, &QTimer::timeout, this, &GameFileSession::endWait);
    connect(&m_decompress, &CodecRuns::finished, this, [this] {
        if (m_waitTimer.isActive() && !stillDecompressing())
            endWait();
    });
}

GameFileSession::~GameFileSession() = default;

WorkingCopy GameFileSession::workingCopy() const {
    return WorkingCopy(WorkingCopy::pathForGameFile(m_gameFile));
}

void GameFileSession::setBounds(const Bounds& bounds) {
    m_bounds = bounds;
    m_save->setMaxTicks(bounds.saveSeconds);
}

bool GameFileSession::open(const QString& chosen) {
    if (m_neighbour && m_neighbour->isOpen() && sameFile(chosen, m_neighbour->gameFile())) {
        message(QStringLiteral("%1 is open in %2 already. A game file is edited in one window "
                               "only: choose another file.")
                    .arg(chosen, m_neighbour->m_windowName));
        return false;
    }
    if (m_loading) {
        cancelWait();
        endLoad(false);
    }
    m_gameFile = chosen;
    ++m_generation;
    m_listsCurrent = false;
    m_decompress.startDecompress(m_platform.codecProgram(), chosen);
    return true;
}

void GameFileSession::save() {
    m_save->start(m_gameFile, m_decompress, m_completeSize);
}

bool GameFileSession::isSaving() const {
    return m_save->isSaving();
}

bool GameFileSession::refuseWhileSaving(const QString& action) const {
    return m_save->refuseWhileSaving(action);
}

bool GameFileSession::load(QProgressBar& bar, std::function<bool()> fill,
                           const GameFileSession* alsoWaitFor) {
    if (m_loading) {
        message(QStringLiteral("Load is waiting for the codec tool already. The lists fill as "
                               "soon as it has finished."));
        return false;
    }
    m_loading = true;
    m_loaded = false;
    m_loadBar = &bar;
    // A Load that completes at once sets the text back before anything is painted.
    bar.setFormat(QStringLiteral("Waiting for the codec tool…"));
    whenDecompressed([this, fill = std::move(fill)] { endLoad(fill()); }, alsoWaitFor);
    return !m_loading && m_loaded;
}

void GameFileSession::endLoad(bool loaded) {
    if (m_loadBar)
        m_loadBar->setFormat(QStringLiteral("%p%"));
    m_loading = false;
    m_loaded = loaded;
    emit loadFinished(loaded);
}

void GameFileSession::whenDecompressed(std::function<void()> ready,
                                       const GameFileSession* alsoWaitFor) {
    cancelWait();
    m_waiting = std::move(ready);
    m_alsoWaitFor = alsoWaitFor;
    if (alsoWaitFor) {
        const auto check = [this] {
            if (m_waitTimer.isActive() && !stillDecompressing())
                endWait();
        };
        m_alsoFinished = connect(&alsoWaitFor->m_decompress, &CodecRuns::finished, this, check);
        // A window closed meanwhile has nothing left to wait for.
        m_alsoDestroyed = connect(alsoWaitFor, &QObject::destroyed, this, check);
    }
    if (!stillDecompressing()) {
        endWait();
        return;
    }
    m_waitTimer.start(m_bounds.loadWaitMs);
}

bool GameFileSession::stillDecompressing() const {
    const auto running = [](const CodecRuns& runs) {
        return runs.state() == CodecRuns::State::Running;
    };
    return running(m_decompress) || (m_alsoWaitFor && running(m_alsoWaitFor->m_decompress));
}

void GameFileSession::cancelWait() {
    m_waitTimer.stop();
    m_waiting = nullptr;
    disconnect(m_alsoFinished);
    disconnect(m_alsoDestroyed);
    m_alsoWaitFor = nullptr;
}

void GameFileSession::endWait() {
    // Taken first: the callback may start another wait.
    std::function<void()> ready = std::exchange(m_waiting, nullptr);
    cancelWait();
    if (ready)
        ready();
}

QString GameFileSession::decompressProblem() const {
    if (m_decompress.state() == CodecRuns::State::Running)
        return QStringLiteral("The codec tool has not finished decompressing %1 within %2 "
                              "seconds. Press Load again when it has finished.")
            .arg(m_gameFile)
            .arg(m_bounds.loadWaitMs / 1000.0);
    return m_decompress.problem();
}

void GameFileSession::message(const QString& text) const {
    m_platform.showMessage(m_window, programTitle(), text);
}

bool GameFileSession::writeBack(const std::vector<Patch>& patches, const QString& refusal) const {
    if (refuseWhileSaving(QStringLiteral("Apply the change again")))
        return false;
    if (!refusal.isEmpty()) {
        message(refusal + QStringLiteral("\nNothing was written."));
        return false;
    }
    WorkingCopy copy = workingCopy();
    if (!copy.write(patches)) {
        message(copy.errorString());
        return false;
    }
    return true;
}
