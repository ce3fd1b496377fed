#include "shell/gamefilesession.h"

#include "codec/container.h"
#include "common/samefile.h"
#include "common/wholefile.h"
#include "shell/platform.h"
#include "shell/programtitle.h"
#include "shell/savejob.h"
#include "shell/writestep.h"

#include <QDir>
#include <QFile>
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
    connect(m_save, &SaveJob::saved, this, [this] {
        m_keptUnsaved = false;
        m_history.setClean();
        emit fileStateChanged();
    });
    connect(&m_history, &QUndoStack::cleanChanged, this, &GameFileSession::fileStateChanged);
}

bool GameFileSession::hasUnsavedChanges() const {
    return isOpen() && (m_keptUnsaved || !m_history.isClean());
}

GameFileSession::~GameFileSession() {
    // The history goes before the children that show it (the Edit menu): it must not tell them.
    m_history.disconnect();
}

WorkingCopy GameFileSession::workingCopy() const {
    return WorkingCopy(WorkingCopy::pathForGameFile(m_gameFile));
}

void GameFileSession::setBounds(const Bounds& bounds) {
    m_bounds = bounds;
    m_save->setMaxTicks(bounds.saveSeconds);
}

bool GameFileSession::open(const QString& chosen) {
    if (m_neighbour && m_neighbour->isOpen() && sameFile(chosen, m_neighbour->gameFile())) {
        //: %2 names the other window ("the team name editor").
        message(tr("%1 is open in %2 already. A game file is edited in one window only: choose "
                   "another file.")
                    .arg(QDir::toNativeSeparators(chosen), m_neighbour->m_windowName));
        return false;
    }
    const Unsaved unsaved = askAboutUnsavedChanges(chosen);
    if (m_loading) {
        cancelWait();
        endLoad(false);
    }
    if (!isOpen() || !sameFile(chosen, m_gameFile) || unsaved == Unsaved::Discarded)
        m_history.clear();
    m_gameFile = chosen;
    ++m_generation;
    m_listsCurrent = false;
    m_keptUnsaved = unsaved == Unsaved::Kept;
    // A save killed before its end leaves its compressed result, which no later step uses.
    QFile::remove(WorkingCopy::compressedPathForGameFile(chosen));
    if (unsaved == Unsaved::Kept)
        m_decompress.keep(chosen);
    else
        m_decompress.startDecompress(m_platform.codecProgram(), chosen);
    emit fileStateChanged();
    return true;
}

GameFileSession::Unsaved GameFileSession::askAboutUnsavedChanges(const QString& gameFile) const {
    // Only a complete working copy beside a game file that decodes can be compared; anything else
    // is what a decompress has always replaced (or fails to, leaving it as it is).
    const WorkingCopy copy(WorkingCopy::pathForGameFile(gameFile));
    if (copy.size() < m_completeSize)
        return Unsaved::None;
    QString ignored;
    const auto game = WholeFile::read(gameFile, &ignored);
    if (!game)
        return Unsaved::None;
    const Container::Result saved = Container::decompress(*game);
    const auto working = copy.read(0, copy.size());
    if (!saved.ok() || !working)
        return Unsaved::None;
    const QString difference = WorkingCopyDifference::describe(saved.bytes, *working, m_records);
    if (difference.isEmpty())
        return Unsaved::None;
    return m_platform.ask(m_window, programTitle(),
                          tr("The working copy of %1 holds changes that are not saved into the "
                             "game file (%2). Discard them and decompress the game file again?")
                              .arg(QDir::toNativeSeparators(gameFile), difference))
               ? Unsaved::Discarded
               : Unsaved::Kept;
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
        message(tr("Load is waiting for the codec tool already. The lists fill as soon as it "
                   "has finished."));
        return false;
    }
    m_loading = true;
    m_loaded = false;
    m_loadBar = &bar;
    // A Load that completes at once sets the text back before anything is painted.
    bar.setFormat(tr("Waiting for the codec tool…"));
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
        return tr("The codec tool has not finished decompressing %1 within %2 seconds. Press "
                  "Load again when it has finished.")
            .arg(QDir::toNativeSeparators(m_gameFile))
            .arg(m_bounds.loadWaitMs / 1000.0);
    return m_decompress.problem();
}

void GameFileSession::message(const QString& text) const {
    m_platform.showWarning(m_window, programTitle(), text);
}

void GameFileSession::inform(const QString& text) const {
    m_platform.showMessage(m_window, programTitle(), text);
}

bool GameFileSession::writeBack(const std::vector<Patch>& patches, const QString& refusal,
                                const QString& label, std::function<void()> showAgain) {
    if (refuseWhileSaving(tr("Apply the change again")))
        return false;
    if (!refusal.isEmpty()) {
        message(tr("%1\nNothing was written.").arg(refusal));
        return false;
    }
    // Read before writing, so that the step can put back exactly what the write replaced.
    WorkingCopy copy = workingCopy();
    std::vector<Patch> written = WorkingCopy::merged(patches);
    std::vector<Patch> replaced;
    if (!copy.write(written, &replaced)) {
        message(copy.errorString());
        return false;
    }
    if (written.empty())
        return true;
    const std::vector<Patch> stretches = written;
    m_history.push(
        new WriteStep(label, std::move(replaced), std::move(written), std::move(showAgain)));
    emit this->written(stretches);
    return true;
}

bool GameFileSession::undo() {
    if (!m_history.canUndo() || refuseWhileSaving(tr("Undo again")))
        return false;
    const auto* step = static_cast<const WriteStep*>(m_history.command(m_history.index() - 1));
    if (!replay(*step, true))
        return false;
    m_history.undo();
    step->showAgain();
    return true;
}

bool GameFileSession::redo() {
    if (!m_history.canRedo() || refuseWhileSaving(tr("Redo again")))
        return false;
    const auto* step = static_cast<const WriteStep*>(m_history.command(m_history.index()));
    if (!replay(*step, false))
        return false;
    m_history.redo();
    step->showAgain();
    return true;
}

bool GameFileSession::replay(const WriteStep& step, bool back) {
    //: %1 names the step taken back or done again ("Apply Abilities: Adam Adams").
    const QString action = back ? tr("Undo %1").arg(step.text()) : tr("Redo %1").arg(step.text());
    const std::vector<Patch>& expected = back ? step.written() : step.replaced();
    WorkingCopy copy = workingCopy();
    const auto now = copy.readUnder(expected);
    if (!now) {
        //: %1 is "Undo <step>" or "Redo <step>".
        message(tr("%1 is not possible: %2\nNothing was written.").arg(action, copy.errorString()));
        return false;
    }
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if ((*now)[i].bytes == expected[i].bytes)
            continue;
        message(tr("%1 is not possible: the working copy %2 no longer holds what that step left "
                   "there at byte %3 (something outside this window's history changed it). "
                   "Nothing was written.")
                    .arg(action, copy.shownPath())
                    .arg(expected[i].offset));
        return false;
    }
    const std::vector<Patch>& stretches = back ? step.replaced() : step.written();
    if (!copy.write(stretches)) {
        message(tr("%1 failed: %2").arg(action, copy.errorString()));
        return false;
    }
    emit written(stretches);
    return true;
}
