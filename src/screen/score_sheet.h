#pragma once
// The score sheet column: the current player's card, or every player's total.

#include <array>

#include "engine/yacht.h"
#include "rules/scoring.h"

namespace yacht {

// The upper subtotal at which the 35-point bonus is earned.
inline constexpr int kBonusThreshold = 63;
inline constexpr int kUpperBonus = 35;

// True when p names a column of the score table (1..8).
bool isPlayerColumn(int p);

void getcard(Yacht& y);     // the current player's card, totals and bonus picture
void scoreboard(Yacht& y);  // one row per player with that player's total

}  // namespace yacht
