#pragma once
// The window's captions that mirror the game: drawn from `Game` in this one place.

#include "engine/game_state.h"
#include "screen/board.h"

namespace yacht {

// Writes the dice faces ("?" before a throw) and the HOLD marks of the game onto the board.
void present(const Game& game, Board& board);

}  // namespace yacht
