#pragma once
// The running game: the game state and the platform services (ports) it speaks, plays, stores
// and draws through. Operations that need several ports take it; the window draws the game.

#include <string>

#include "engine/game_state.h"
#include "engine/ports.h"
#include "engine/turn_advisor.h"

namespace yacht {

// Whether a step lets the tick go on or ends it.
enum class Flow { Continue, EndTick };

// Voice changes asked for before the installed voices have been listed; answered when they are.
struct PendingVoiceSteps {
    int steps = 0;  // net steps: +1 next, -1 previous
    bool announce = false;
};

struct Yacht {
    explicit Yacht(Ports p) : ports(p) {}

    Ports ports;
    Game game;
    PendingVoiceSteps pendingVoice;
    std::string voicename;      // the stored voice's own name, chosen at start before listing
    std::string speechengine;   // the speech engine remembered for the next start ("" none)
    bool voiceApplied = false;  // the stored voice has been applied to the listed voices
    bool quitting = false;      // F12 has been handled; no further tick acts
    TurnAdvisor advisor;        // the solver's table and the plan of the turn in play
};

}  // namespace yacht
