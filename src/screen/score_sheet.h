#pragma once
// The score sheet column: the current player's card, or every player's total.

#include <array>

#include "engine/yacht.h"
#include "rules/scoring.h"

namespace yacht {

// True when p names a column of the score table (1..8).
bool isPlayerColumn(int p);

void getcard(Yacht& y);     // the current player's card, totals and bonus picture
void scoreboard(Yacht& y);  // one row per player with that player's total

}  // namespace yacht
