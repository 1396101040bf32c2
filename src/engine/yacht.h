#pragma once
// The running game: the game state and the platform services (ports) it speaks, plays, stores
// and draws through. Operations that need several ports take it; the window draws the game.

#include <string>

#include "engine/action.h"
#include "engine/game_state.h"
#include "engine/ports.h"
#include "engine/record.h"
#include "engine/record_reports.h"
#include "engine/turn_log.h"
#include "engine/turn_advisor.h"

namespace yacht {

// Whether a step lets the tick go on or ends it.
enum class Flow { Continue, EndTick };

struct Yacht {
    explicit Yacht(Ports p) : ports(p) {}

    Ports ports;
    Game game;
    bool quitting = false;      // F12 has been handled; no further tick acts
    TurnAdvisor advisor;        // the solver's table and the plan of the turn in play
    Record* recordPort = nullptr;  // where the games are recorded; none keeps this game's turns only
    TurnsOnlyRecord turnsOnly;
    TurnLog turnLog;            // the turn in play as the record will keep it
    RecordReports recordReports;  // what F5 or F6 told last

    Record& record() { return recordPort ? *recordPort : turnsOnly; }
};

}  // namespace yacht
