#pragma once
// The click map: what a click on one of the window's labels does in the state the game is in,
// so a sighted player can drive the game with the mouse. A click becomes an action as a key does.
//
// - The function keys' legend: help, the dice, the categories left, the score, a new game, leave.
// - A die: what its digit does (hold or release it, or pick that many players and begin).
// - A category row while choosing: the cursor put on it, and the row said. A row 1 to 6 while the
//   players are chosen: that count, said.
// - The status box: the space bar's action (open the turn, throw again); while choosing, score
//   the category under the cursor; with a count chosen, begin the game at once with its first
//   turn opened. It is ignored while a throw is pending.

#include "engine/action.h"
#include "engine/game_state.h"
#include "engine/input.h"

namespace yacht {

// None for a click on a label that does nothing in this state.
Action actionForClick(Click click, const Game& g);

// Leaves the click for the next step, unless it does nothing in the state the game is in now.
void postClick(PendingInput& pending, const Game& g, Click click);

}  // namespace yacht
