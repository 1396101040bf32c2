#pragma once
// Speaking at once: speakNow hands a text to the voice; speakAndWait hands one that the game waits
// for (no key is taken until the voice reports it said). Neither call blocks.

#include <string>

#include "engine/speech_queue.h"
#include "engine/voice.h"

namespace yacht {

// speakNow also ends the queue's wait after a sound: what it says takes the place of that wait.
void speakNow(Voice& voice, SpeechQueue& queue, const std::string& say);
void speakAndWait(Voice& voice, const std::string& say);

}  // namespace yacht
