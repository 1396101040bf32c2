#include "engine/startup.h"

#include "engine/voice_settings.h"

namespace yacht {

uint64_t diceSeed(const StartupContext& context)
{
    return context.fixedSeed.value_or(context.clockSeed);
}

void startup(Yacht& y, const StartupContext& context)
{
    // The one voice, the first installed voice, and later speech queued after what is being said.
    // Rate and volume stay as the player set them for every program; the stored speed is applied
    // with the settings.
    Voice& voice = y.ports.voice;
    voice.selectVoice(0);
    voice.setPriorityOver();

    // The game's first step comes only after start-up, since both run on the one thread. The
    // dice source has been seeded by its owner from diceSeed(); the game draws from it now.
    y.game.helpPage = 0;

    // The side panel's title reads "YACHT" and its total is blank until the first card.
    y.tell({event::BoardStarted{}});

    // The storage decides where the settings live (the per-user store, or the settings file
    // beside a program on a USB drive) as it reads them.
    loadSettings(y.voiceChoice, y.ports.storage);
    if (!context.speechEngine.empty()) y.voiceChoice.speechEngine = context.speechEngine;
    if (context.briefForRun) y.voiceChoice.briefSpeech = true;
    y.voiceChoice.language = context.language;
    applyStoredSettings(y.voiceChoice, y.ports.voice);

    y.game.state = EngineState::Startup;
}

}  // namespace yacht
