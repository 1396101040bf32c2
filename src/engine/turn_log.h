#pragma once
// The turn in play as the record keeps it, gathered throw by throw, and the engine's calls that
// hand each finished turn and game to the record.

#include <cstdint>

#include "engine/game_state.h"
#include "engine/record.h"

namespace yacht {

// The throws of the turn in play and what the player's tally stood at after the last of them.
struct TurnLog {
    PlayedTurn turn;
    double costBefore = 0;    // the player's tally after the last throw noted
    int16_t weighedBefore = 0;
    bool gameOpen = false;    // the record has a game to add turns to
};

// The dice have just been thrown (what was held before stays as it was): noted as the turn's next
// throw, with what the keep before it cost when the coach weighed it.
void noteThrow(const Game& game, TurnLog& log);

// Category c has just been scored and the card redrawn: the turn goes to the record, opening the
// record's game first (a new one in round 1, the resumed one otherwise); after the game's last
// turn the game is finished in the record and any new best score is set to be told.
void noteScored(Game& game, TurnLog& log, Record& record, int c);

}  // namespace yacht
