#pragma once
// The reports behind F2, F3 and F4.

#include "engine/game_state.h"

namespace yacht {

void repeatdice(Game& g);      // F2: the dice again
void saycategories(Game& g);  // F3: the categories still to fill
void sayscore(Game& g);         // F4: the scores

}  // namespace yacht
