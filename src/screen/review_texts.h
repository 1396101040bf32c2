#pragma once
// What a screen reader's review of the window finds about the state of play, beside the dice and
// the score sheet: whose turn, round and throw it is, the row under the cursor, the score.

#include <string>

#include "engine/game_state.h"

namespace yacht {

// The texts of the window's review objects, which draw nothing.
struct ReviewTexts {
    std::string turn;   // "player 2, round 3, second roll"
    std::string row;    // "Twos, worth 6", "Ones, taken, 3", or empty outside the choice
    std::string score;  // "player 2, total score 45"
};

ReviewTexts reviewTexts(const Game& game);

}  // namespace yacht
