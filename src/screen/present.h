#pragma once
// The window drawn from the game: every caption, visibility and colour the game decides is
// written here from `Game` and its view facts alone; the board keeps only the geometry, fonts and
// design colours.

#include "engine/game_state.h"
#include "screen/view_facts.h"
#include "screen/board.h"

namespace yacht {

// Writes the dice, the HOLD marks, the status caption, the score sheet and the side panel's title
// and total of the game onto the board.
void present(const Game& game, const ViewFacts& view, Board& board);

// The text of a status caption.
const char* statusText(Status status);

}  // namespace yacht
