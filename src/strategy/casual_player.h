#pragma once
// A computer player that plays sensibly but not perfectly: it weighs every keep and every free
// category by what it is worth and picks among them with chances that fall off with the points
// given up, so small slips are common and big blunders rare.

#include "strategy/advice.h"

namespace yacht::strategy {

// How many expected points of difference make a choice e (2.718...) times less likely. Chosen
// so that whole games average about 200.
inline constexpr double kCasualCarelessness = 2.1;

// The keep after a throw with throws to come, drawn by the uniform number u in [0, 1).
KeepChoice casualKeep(const TurnPlan& plan, const Dice& dice, int throwsLeft, double u);

// The category after the last throw, drawn by the uniform number u in [0, 1).
CategoryChoice casualCategory(const TurnPlan& plan, const Dice& dice, double u);

}  // namespace yacht::strategy
