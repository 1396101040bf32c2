#pragma once
// Starting a new game and showing the choice of the number of players.

#include "engine/yacht.h"

namespace yacht {

void requestNewGame(Yacht& y);   // F9: asks first when a game is under way, then clears the game
// The answer to the new-game question: 1 clears the game, anything else keeps it ("cancelled").
void answerNewGame(Yacht& y, Action answer);
void showPlayerCounts(Game& g);  // the sheet shows the list of player counts

}  // namespace yacht
