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

void sayAtOnce(Voice& voice, Teller& tell, const Event& event)
{
    tell.queue.lastHeard = tell.wordsOf(event);
    speakNow(voice, tell.queue, tell.queue.lastHeard);
}

}  // namespace yacht
