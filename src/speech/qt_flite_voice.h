#pragma once
// The flite voice of Qt's text-to-speech module, built into the program's libraries: the voice
// the game speaks with when no speech server can be reached.

#include <memory>

#include "engine/voice.h"

namespace yacht {

// The flite voice, or nothing when Qt's flite engine cannot be loaded.
std::unique_ptr<Voice> openFliteVoice();

}  // namespace yacht
