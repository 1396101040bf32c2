#pragma once
// Speaking at once: speakNow hands a text to the voice and returns, speakAndWait waits until it is said.

#include <string>

#include "engine/speech_queue.h"
#include "engine/voice.h"

namespace yacht {

// speakNow also ends the queue's wait after a sound: what it says takes the place of that wait.
void speakNow(Voice& voice, SpeechQueue& queue, const std::string& say);
void speakAndWait(Voice& voice, const std::string& say);

}  // namespace yacht
