#pragma once

#include "common/workingcopy.h"

#include <QUndoCommand>

#include <functional>
#include <utility>
#include <vector>

// One write into a working copy, as the window's history keeps it: the bytes it wrote and the
// bytes they replaced (the same stretches, none overlapping), its name in the Edit menu and how to
// show what it touched again. The session writes the bytes itself, after checking that the file
// still holds what the step expects, and only then moves the history; so undo() and redo() have
// nothing left to do.
class WriteStep : public QUndoCommand {
public:
    WriteStep(const QString& label, std::vector<Patch> replaced, std::vector<Patch> written,
              std::function<void()> showAgain)
        : QUndoCommand(label), m_replaced(std::move(replaced)), m_written(std::move(written)),
          m_showAgain(std::move(showAgain)) {}

    const std::vector<Patch>& replaced() const { return m_replaced; }
    const std::vector<Patch>& written() const { return m_written; }
    void showAgain() const {
        if (m_showAgain)
            m_showAgain();
    }

    void undo() override {}
    void redo() override {}

private:
    std::vector<Patch> m_replaced;
    std::vector<Patch> m_written;
    std::function<void()> m_showAgain;
};
