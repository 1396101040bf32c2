#pragma once
// Speaking at once: sayit hands a text to the voice and returns, sayit2 waits until it is said.

#include <string>

#include "engine/speech_queue.h"
#include "engine/voice.h"

namespace yacht {

// sayit also ends the queue's wait after a sound: what it says takes the place of that wait.
void sayit(Voice& voice, SpeechQueue& queue, const std::string& say);
void sayit2(Voice& voice, const std::string& say);

}  // namespace yacht
