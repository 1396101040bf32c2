#pragma once
// Plays the game's wave images through Qt Multimedia to the desktop's audio server.

#include <memory>

#include "engine/sound_player.h"

namespace yacht {

// A player that opens the audio device only when it first plays; without an audio server or
// device, or with bytes that are no wave, it stays silent and returns.
std::unique_ptr<SoundPlayer> makeQtSoundPlayer();

}  // namespace yacht
