#pragma once
// The sentences the game says in more than one place, written once so that they stay the same
// wherever they are said, and a player's total as the sheet last wrote it.

#include <string>

#include "engine/game_state.h"

namespace yacht::phrase {

// Said whenever no game is running: at the start, at the end, and by the reports meanwhile.
inline const std::string kNewGameOrHelp =
    "Press function key F 9 to start a new game or function key F 1 for help. ";
inline const std::string kGameOver = "Game over. " + kNewGameOrHelp;

}  // namespace yacht::phrase

namespace yacht {

// A player's total as the sheet last wrote it (empty before the player's first card); a player
// outside the table has none.
inline const std::string& totalText(const Game& g, int p)
{
    static const std::string none;
    if (p < 1 || p > kMaxPlayers) return none;
    return g.scores[kTotalRow][p];
}

}  // namespace yacht
