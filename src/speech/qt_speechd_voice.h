#pragma once
// The voice of speech-dispatcher, the speech server the desktop's screen reader speaks through:
// the player hears the synthesiser, voice and speed they have configured there.

#include <functional>
#include <memory>

#include "engine/voice.h"

namespace yacht {

// Makes another voice when speech-dispatcher fails the game.
using VoiceMaker = std::function<std::unique_ptr<Voice>()>;

// Connects to speech-dispatcher in the background, starting the server when none runs, and
// returns at once: what is said meanwhile waits for the connection. When the server cannot be
// reached, or stops answering, the voice made by `fallback` takes over and says what the server
// was not given.
std::unique_ptr<Voice> openSpeechdVoice(VoiceMaker fallback);

}  // namespace yacht
