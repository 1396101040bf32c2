#pragma once
// The window's own events apart from the timer: a key press and the window becoming active.

#include "engine/game_state.h"
#include "engine/input.h"
#include "engine/teller.h"
#include "engine/voice.h"

namespace yacht {

// Records the key for the next step; the space bar is dropped while a throw
// is pending so it cannot ask for a second throw before the first is made. A modifier or lock key
// alone is recorded only to hush the queue, and Ctrl alone also stops the voice at once.
void recordKeyPress(PendingInput& pending, const Game& g, Voice& voice, int code, int modifier);

// Queues the greeting; the window becomes active once, at start-up, before the first tick.
void windowActivated(Teller& tell);

}  // namespace yacht
