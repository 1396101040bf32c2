#pragma once
// The running game: the game state and the platform services (ports) it speaks, plays, stores
// and draws through. Operations that need several ports take it; the window draws the game.

#include <optional>
#include <string>

#include "engine/action.h"
#include "engine/game_state.h"
#include "engine/input.h"
#include "engine/ports.h"
#include "engine/speech_queue.h"
#include "engine/teller.h"
#include "engine/record.h"
#include "engine/record_reports.h"
#include "engine/turn_log.h"
#include "engine/turn_advisor.h"
#include "engine/voice_choice.h"

namespace yacht {

// Whether a step lets the tick go on or ends it.
enum class Flow { Continue, EndTick };

struct Yacht {
    explicit Yacht(Ports p) : ports(p) {}
    // The teller refers to this game's own queue: a copy would tell into the original's.
    Yacht(const Yacht&) = delete;
    Yacht& operator=(const Yacht&) = delete;

    Ports ports;
    Game game;
    VoiceChoice voiceChoice;  // the voice, speed and wording in use, and what the settings keep
    PendingInput pendingInput;  // the key or click the next step takes, if any
    SpeechQueue toBeHeard;  // the texts and sounds still to be heard, in order
    Teller tell{ports.events, toBeHeard};  // the narrator, putting its words into that queue
    std::optional<Status> statusTold;  // the status caption last told to the front end
    bool quitting = false;      // F12 has been handled; no further step acts, and the program ends once goodbye is said
    TurnAdvisor advisor;        // the solver's table and the plan of the turn in play
    Record* recordPort = nullptr;  // where the games are recorded; none keeps this game's turns only
    TurnsOnlyRecord turnsOnly;
    TurnLog turnLog;            // the turn in play as the record will keep it
    RecordReports recordReports;  // what F5 or F6 told last

    Record& record() { return recordPort ? *recordPort : turnsOnly; }

    // F9 during a game raises the question "Start new game?": the front end asks it outside any
    // step and posts the player's answer, which the next step takes before any key.
    bool newGameAsked = false;
    std::optional<Action> answer;
};

}  // namespace yacht
