// A measuring hook for the start-up benchmark: reports when the main window first shows
// and first shows the gear, then quits.
#pragma once

class QApplication;

namespace lm {

// With LM_EXIT_AT_FIRST_FRAME set in the environment, prints "window" on standard output
// at the window's first paint, "picture" at the first paint after the first animation
// tick (the first frame with the gear drawn), and ends the program. Otherwise does nothing.
void InstallFirstFrameProbe(QApplication& app);

}  // namespace lm
