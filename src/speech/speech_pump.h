#pragma once
// The speech pump: the last step of every tick hands at most one queued item to the voice.

#include "engine/yacht.h"

namespace yacht {

// Takes the next item of the queue once the voice has finished: text is spoken (synchronously
// right after a sound), "rolldice" plays the dice sound to its end, an empty item is skipped.
void pumpspeech(Yacht& y);

}  // namespace yacht
