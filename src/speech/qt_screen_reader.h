#pragma once
// Finding the player's running screen reader on the desktop's accessibility bus.

namespace yacht {

// True when the desktop's accessibility bus says a screen reader runs, or one runs among the
// player's own processes or among the clients of the session's accessibility bus. Asks once, with a short bound, so a desktop without one costs no time.
bool screenReaderRunning();

}  // namespace yacht
