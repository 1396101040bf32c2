#pragma once
// The score sheet column: the current player's card, or every player's total.

#include "engine/yacht.h"

namespace yacht {

void getcard(Yacht& y);     // the current player's card, totals and bonus picture
void scoreboard(Yacht& y);  // one row per player with that player's total

}  // namespace yacht
