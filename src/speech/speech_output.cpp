#include "speech/speech_output.h"

namespace yacht {
void sayit(Yacht& y, const std::string& say)
{
    y.ports.voice.setPriorityOver();
    y.ports.voice.speak(say, SpeakMode::Async);
    // Words said at once after a sound take the place of the queued words that would have
    // waited for it.
    y.game.saybuf.syncAfterSound = false;
}

void sayit2(Yacht& y, const std::string& say)
{
    y.ports.voice.setPriorityOver();
    y.ports.voice.speak(say, SpeakMode::Sync);
}

}  // namespace yacht
