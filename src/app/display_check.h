#pragma once
// Before anything of the window is loaded: is there a display to open a window on? Asked by
// `yacht` to choose the front end, and by the window's executable before Qt starts.

#include <string>

namespace yacht {

// Whether the platform Qt will use can open a window: an X server (the one named with -display,
// else $DISPLAY) or a Wayland compositor that answers, or a platform that needs none (offscreen,
// for tests), or one named with -platform.
bool displayAvailable(bool platformNamed, const std::string& display);

}  // namespace yacht
