#include "speech/speech_pump.h"

#include "speech/sound_help.h"
#include "speech/speech_output.h"

namespace yacht {

void pumpspeech(Yacht& y)
{
    Game& g = y.game;
    g.runstate = static_cast<int16_t>(y.ports.voice.runningState());
    if (g.saybuf.empty() || g.runstate != static_cast<int16_t>(RunState::Done)) return;

    const SpeechItem item = g.saybuf.take();
    g.sayitem = item.text;
    if (item.text.empty()) return;

    if (item.kind == SpeechItem::Kind::Sound) {
        g.saybuf.syncAfterSound = true;
        playsound(y, item.text);
        return;
    }
    if (g.saybuf.syncAfterSound)
        sayit2(y, item.text);
    else
        sayit(y, item.text);
    g.saybuf.syncAfterSound = false;
}

}  // namespace yacht
