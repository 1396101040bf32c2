#pragma once
// Before Qt is started: is there a display to open a window on? Without one the game explains
// itself in one line, on the terminal and through speech-dispatcher, instead of aborting.

#include <string>

namespace yacht {

// Whether the platform Qt will use can open a window: an X server (the one named with -display,
// else $DISPLAY) or a Wayland compositor that answers, or a platform that needs none (offscreen,
// for tests), or one named with -platform.
bool displayAvailable(bool platformNamed, const std::string& display);

// Prints the one line to standard error, tries to say it (waiting at most a few seconds for a
// speech server that does not answer), and returns the exit status 1.
int explainNoDisplay();

}  // namespace yacht
