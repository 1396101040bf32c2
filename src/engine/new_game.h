#pragma once
// Starting a new game and showing the choice of the number of players.

#include "engine/yacht.h"

namespace yacht {

// F9: clears the game, or, while one is under way, says the question and raises it for the front end.
void requestNewGame(Yacht& y);
// The answer to the new-game question: 1 clears the game, anything else keeps it ("cancelled").
void answerNewGame(Yacht& y, Action answer);
void showPlayerCounts(Game& g);  // the sheet shows the list of player counts

}  // namespace yacht
