#include "speech/speech_output.h"

namespace yacht {
namespace {

std::string wrapped(const std::string& say)
{
    // The wrapper marks the text as markup for the voice; adapters do not read it aloud.
    return "<XML>" + say + "</XML>";
}

}  // namespace

void sayit(Yacht& y, const std::string& say)
{
    y.ports.voice.setPriorityOver();
    y.ports.voice.speak(wrapped(say), SpeakMode::Async);
    if (y.game.soundflag > 0) --y.game.soundflag;
}

void sayit2(Yacht& y, const std::string& say)
{
    y.ports.voice.setPriorityOver();
    y.ports.voice.speak(wrapped(say), SpeakMode::Sync);
}

}  // namespace yacht
