#include "engine/speaking_engine.h"

#include "engine/speech_output.h"

namespace yacht {

void noticeSpeakingEngine(VoiceChoice& v, Voice& voice, Teller& tell)
{
    if (!v.engineToBeRead) return;
    v.engineToBeRead = false;
    std::string engine = voice.engineName();
    if (engine == v.speakingEngine) return;
    v.speakingEngine = engine;
    const std::string said = tell.wordsOf({event::SpeakingEngine{std::move(engine)}});
    if (!said.empty()) speakNow(voice, tell.queue, said);
}

}  // namespace yacht
