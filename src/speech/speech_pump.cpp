#include "speech/speech_pump.h"

#include "speech/sound_help.h"
#include "speech/speech_output.h"

namespace yacht {

void pumpspeech(Yacht& y)
{
    Game& g = y.game;
    g.runstate = static_cast<int16_t>(y.ports.voice.runningState());
    if (g.saybuf.empty() || g.runstate != static_cast<int16_t>(RunState::Done)) return;

    if (g.saybuf.front() == '\t') g.saybuf.erase(0, 1);
    const auto tab = g.saybuf.find('\t');
    if (tab == std::string::npos) {
        g.sayitem = g.saybuf;
        g.saybuf.clear();
    } else {
        g.sayitem = g.saybuf.substr(0, tab);
        g.saybuf.erase(0, tab + 1);
    }
    if (g.sayitem.empty()) return;

    if (g.sayitem == "rolldice") {
        g.soundflag = 1;
        playsound(y, g.sayitem);
        return;
    }
    if (g.soundflag >= 1)
        sayit2(y, g.sayitem);
    else
        sayit(y, g.sayitem);
    g.soundflag = 0;
}

}  // namespace yacht
