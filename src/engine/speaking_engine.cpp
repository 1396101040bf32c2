#include "engine/speaking_engine.h"

#include "engine/speech_output.h"

namespace yacht {

void noticeSpeakingEngine(Game& g, Voice& voice, Teller& tell)
{
    std::string engine = voice.engineName();
    if (engine == g.speakingEngine) return;
    g.speakingEngine = engine;
    const std::string said = tell.wordsOf({event::SpeakingEngine{std::move(engine)}});
    if (!said.empty()) speakNow(voice, tell.queue, said);
}

}  // namespace yacht
