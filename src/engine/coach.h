#pragma once
// The coach: on H it tells a person the best move of their turn, and through the game it weighs
// every keep and category a person chooses against perfect play.

#include "engine/yacht.h"

namespace yacht {

// The coach's answer to the Coach action (H), queued after whatever the key left. The step makes
// a throw pending when it came first, so the advice is about the dice just thrown.
void tellCoachAdvice(Game& g, TurnAdvisor& advisor, Teller& tell);

// The coach's advice for the turn as it stands, or that it is still thinking.
Advice coachAdvice(const Game& game, TurnAdvisor& advisor);

// A person throws again holding these dice: what that keep gives up is added to their tally.
void tallyKeep(Game& game, TurnAdvisor& advisor);

// A person scores category c: what it gives up against the best category is added to their tally.
void tallyCategory(Game& game, TurnAdvisor& advisor, int c);

}  // namespace yacht
