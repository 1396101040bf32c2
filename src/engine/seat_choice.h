#pragma once
// Choosing the players, with the keys that bring in computer players.

#include <string>

#include "engine/game_state.h"

namespace yacht {

// The players step: C cycles how many seats, counted from the last, the computer plays; S cycles
// how well it plays; every other key chooses the number of players as before. When the game
// starts, the seats take their kinds.
void chooseplayers(Game& g, Key key);

// "1 computer player", "2 computer players", or "no computer players".
std::string computerCount(int computers);

}  // namespace yacht
