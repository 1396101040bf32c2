#pragma once
// The engine tick: the game's one main loop, run every 100 milliseconds by the window's timer.

#include "engine/yacht.h"

namespace yacht {

// One step of the game: start-up, status caption, key intake and function keys, the turn flow,
// the players, the pending throw, the keys of the current state, and the speech pump.
void tick(Yacht& y);

// Reads the saved game on the first tick (state already 0). A game that was running goes on
// where it stopped and says so; a file the game cannot use changes nothing, as if there were none.
void resumeSavedGame(Yacht& y);

// Stores the unfinished game and then the settings, as F12 does before it says goodbye.
void storeGameAndSettings(Yacht& y);

// The status caption of the current state, set at the start of every tick.
void setStatusCaption(Game& g);

// True when nothing would happen on a tick without a key or a click: the game waits for the
// player (no game, choosing the players, or waiting for the space bar), nothing is queued or
// pending, the voice has said everything, and the stored voice has been applied. The timer then
// sleeps until the next key or click, so an idle game costs no processor time.
bool engineCanSleep(const Yacht& y);

// Takes the pending key, if any: empties the queue and returns the key (code 0 when none). A
// modifier or lock key alone is returned too; the key map makes it a hush and nothing else.
Key takePendingKey(Game& g, Voice& voice);

}  // namespace yacht
