#pragma once
// Plays the game's wave images straight to the user's PulseAudio or PipeWire through libpulse,
// without Qt Multimedia, so the terminal game loads no window-system library for its dice.

#include <memory>

#include "engine/sound_player.h"

namespace yacht {

// A player that connects to the running audio server in the background and never starts one;
// until the server has answered, when it stops answering, or with bytes that are no wave, every
// sound is silence and ends at once.
std::unique_ptr<SoundPlayer> makePulseSoundPlayer();

}  // namespace yacht
