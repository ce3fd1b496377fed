#pragma once

// What the window suites do with the main window before they look at it: File > Open with the
// real codec, crafted bytes in the working copy, and Load.
#include "app/form1.h"
#include "common/workingcopy.h"
#include "shell/gamefilesession.h"
#include "teamnames/form2.h"
#include "tests/testsupport.h"

#include <vector>

namespace TestSupport {

constexpr int codecWaitMs = 30000;

// The wait for the codec's decompress of both windows' files; true once both have finished.
inline bool waitForDecompress(Form1& window) {
    const bool player = waitForRuns(window.session().decompressRuns(), codecWaitMs);
    Form2* editor = window.teamEditor();
    return player && (!editor || waitForRuns(editor->session().decompressRuns(), codecWaitMs));
}

// File > Open and the wait for the codec's decompress; true once it has finished.
inline bool openAndWait(Form1& window) {
    window.openDatabase();
    return waitForDecompress(window);
}

// File > Open; true when the decompress finished and succeeded (else the test log says why).
inline bool openDecompressed(Form1& window) {
    if (!openAndWait(window)) {
        qWarning("the codec's decompress did not finish in time");
        return false;
    }
    const CodecRuns& runs = window.session().decompressRuns();
    if (runs.state() != CodecRuns::State::Succeeded)
        qWarning("the codec's decompress failed: %s", qPrintable(runs.failure()));
    return runs.state() == CodecRuns::State::Succeeded;
}

// Shows the window, opens the sample, writes the crafted patches into its working copy and
// presses Load; true when every step succeeded.
inline bool openAndLoad(Form1& window, const QString& workingCopy,
                        const std::vector<Patch>& crafted = {}) {
    window.show();
    if (!openDecompressed(window))
        return false;
    WorkingCopy copy(workingCopy);
    if (!crafted.empty() && !copy.write(crafted)) {
        qWarning("the crafted bytes could not be written into %s", qPrintable(workingCopy));
        return false;
    }
    return window.load();
}

// The same on the player database of a sample game.
inline bool openAndLoad(Form1& window, const SampleGame& game,
                        const std::vector<Patch>& crafted = {}) {
    return openAndLoad(window, game.databaseWorkingCopy(), crafted);
}

} // namespace TestSupport
