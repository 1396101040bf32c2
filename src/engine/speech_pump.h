#pragma once
// The speech pump: the last step of every tick hands at most one queued item to the voice.

#include "engine/game_state.h"
#include "engine/ports.h"

namespace yacht {

// Takes the next item of the queue once the voice has finished: text is spoken (synchronously
// right after a sound), "rolldice" plays the dice sound to its end, an empty item is skipped.
void speakNextQueued(Game& game, const Ports& ports);

}  // namespace yacht
