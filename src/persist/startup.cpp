#include "persist/startup.h"

#include "screen/layout.h"

namespace yacht {

uint64_t diceSeed(const StartupContext& context)
{
    return context.fixedSeed.value_or(context.clockSeed);
}

void startup(Yacht& y, const StartupContext& context)
{
    Voice& voice = y.ports.voice;
    voice.setRate(0);
    voice.setVolume(100);
    voice.selectVoice(0);
    voice.setPriorityOver();

    setscreen(y);
    // The dice source is seeded by its owner from diceSeed(); the game draws from it from here on.
    y.game.helppage = 0;
    y.game.tempdir = context.tempdir;
    y.programdir = context.programdir;

    y.board.lblSide[1].caption = "YACHT";
    y.board.lblSide[2].caption.clear();
    y.board.Label3.visible = true;

    y.game.usbdrive.clear();
    y.game.voiceindex = 0;
    y.game.speedindex = 2;

    y.game.state = EngineState::Startup;
}

}  // namespace yacht
