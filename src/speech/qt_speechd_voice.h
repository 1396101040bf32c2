#pragma once
// The voice of speech-dispatcher, the speech server the desktop's screen reader speaks through:
// the player hears the synthesiser, voice and speed they have configured there.

#include <chrono>
#include <memory>

#include "speech/voice.h"

namespace yacht {

// Connects to speech-dispatcher, starting the server when none runs. Nothing when no connection
// is made within `bound`, so the caller can fall back to another voice.
std::unique_ptr<Voice> openSpeechdVoice(std::chrono::milliseconds bound);

}  // namespace yacht
