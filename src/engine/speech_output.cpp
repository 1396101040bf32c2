#include "engine/speech_output.h"

namespace yacht {
void speakNow(Voice& voice, SpeechQueue& queue, const std::string& say)
{
    voice.setPriorityOver();
    voice.speak(say, SpeakMode::Async);
    // Words said at once after a sound take the place of the queued words that would have
    // waited for it.
    queue.syncAfterSound = false;
}

void speakAndWait(Voice& voice, const std::string& say)
{
    voice.setPriorityOver();
    voice.speak(say, SpeakMode::Sync);
}

}  // namespace yacht
