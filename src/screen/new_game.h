#pragma once
// Starting a new game and drawing the choice of the number of players.

#include "engine/yacht.h"

namespace yacht {

void newgame(Yacht& y);    // F9: asks first when a game is under way, then clears the board
void choosenum(Yacht& y);  // draws the list of player counts on the sheet

}  // namespace yacht
