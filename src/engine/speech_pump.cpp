#include "engine/speech_pump.h"

#include "engine/sound_help.h"
#include "engine/speech_output.h"

namespace yacht {

void speakNextQueued(Game& g, const Ports& ports)
{
    g.voiceRunState = static_cast<int16_t>(ports.voice.runningState());
    if (g.speechQueue.empty() || g.voiceRunState != static_cast<int16_t>(RunState::Done)) return;

    const SpeechItem item = g.speechQueue.take();
    g.lastSpoken = item.text;
    if (item.text.empty()) return;

    if (item.kind == SpeechItem::Kind::Sound) {
        g.speechQueue.syncAfterSound = true;
        playSound(ports, g.speechQueue, item.text);
        return;
    }
    if (g.speechQueue.syncAfterSound)
        speakAndWait(ports.voice, item.text);
    else
        speakNow(ports.voice, g.speechQueue, item.text);
    g.speechQueue.syncAfterSound = false;
}

}  // namespace yacht
