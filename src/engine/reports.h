#pragma once
// The reports behind F2, F3 and F4.

#include "engine/teller.h"
#include "engine/game_state.h"

namespace yacht {

void repeatDice(Game& g, Teller& tell);         // F2: the dice again
void sayCategoriesLeft(Game& g, Teller& tell);  // F3: the categories still to fill
void sayScores(Game& g, Teller& tell);          // F4: the scores

}  // namespace yacht
