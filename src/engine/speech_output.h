#pragma once
// Speaking at once: speakNow hands a text to the voice; speakAndWait hands one that the game waits
// for (no key is taken until the voice reports it said). Neither call blocks.

#include <string>

#include "engine/speech_queue.h"
#include "engine/teller.h"
#include "engine/voice.h"

namespace yacht {

// speakNow also ends the queue's wait after a sound: what it says takes the place of that wait.
void speakNow(Voice& voice, SpeechQueue& queue, const std::string& say);
void speakAndWait(Voice& voice, const std::string& say);
// The narrator's words for the event, said at once past the queue (what is queued stays); they
// count as the last heard, where a report told part by part goes on from.
void sayAtOnce(Voice& voice, Teller& tell, const Event& event);

}  // namespace yacht
