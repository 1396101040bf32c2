#pragma once
// The spoken description of the dice.

#include "engine/teller.h"
#include "engine/game_state.h"

namespace yacht {

// Appends the faces to the last queued item: all five on the first throw, else the dice not held.
void sayDice(Game& g, Teller& tell);

}  // namespace yacht
