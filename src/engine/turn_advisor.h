#pragma once
// The engine's link to the solver: the table (when ready) and the one plan of the turn in play,
// which every keep and category of that turn is read from.

#include <memory>

#include "engine/computer_pause.h"
#include "engine/game_state.h"
#include "engine/table_source.h"
#include "strategy/turn_plan.h"

namespace yacht {

// Holds the plan of the current turn, made once the table is ready, and the computer's pause.
class TurnAdvisor {
public:
    // The table's source; none (the default) means the table never becomes ready.
    TableSource* source = nullptr;

    // The computer player's quiet before its next move.
    ComputerPause pause;

    // The plan for the current player's card, made on the first call of a turn (a new player or
    // a new position makes a new one); null while the table is not ready or no one is playing.
    const strategy::TurnPlan* plan(const Game& g);

    // The table, or null while it is being built.
    const strategy::ValueTable* table() { return source ? source->ready() : nullptr; }

private:
    // On the heap: a plan is several kilobytes, and the game record lives on test stacks too.
    std::shared_ptr<const strategy::TurnPlan> plan_;
    int player_ = 0;
};

}  // namespace yacht
