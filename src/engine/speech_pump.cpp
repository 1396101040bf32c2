#include "engine/speech_pump.h"

#include "engine/sound_help.h"
#include "engine/speech_output.h"

namespace yacht {

void speakNextQueued(Game& g, const Ports& ports)
{
    g.runstate = static_cast<int16_t>(ports.voice.runningState());
    if (g.saybuf.empty() || g.runstate != static_cast<int16_t>(RunState::Done)) return;

    const SpeechItem item = g.saybuf.take();
    g.sayitem = item.text;
    if (item.text.empty()) return;

    if (item.kind == SpeechItem::Kind::Sound) {
        g.saybuf.syncAfterSound = true;
        playSound(ports, g.saybuf, item.text);
        return;
    }
    if (g.saybuf.syncAfterSound)
        speakAndWait(ports.voice, item.text);
    else
        speakNow(ports.voice, g.saybuf, item.text);
    g.saybuf.syncAfterSound = false;
}

}  // namespace yacht
