#include "engine/speaking_engine.h"

#include "engine/speech_output.h"

namespace yacht {

void noticeSpeakingEngine(Game& g, Voice& voice, EventSink& events)
{
    std::string engine = voice.engineName();
    if (engine == g.speakingEngine) return;
    g.speakingEngine = engine;
    const std::string said = events.wordsOf({event::SpeakingEngine{std::move(engine)}});
    if (!said.empty()) speakNow(voice, g.speechQueue, said);
}

}  // namespace yacht
