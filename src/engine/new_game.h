#pragma once
// Starting a new game and showing the choice of the number of players.

#include "engine/action.h"
#include "engine/game_state.h"
#include "engine/teller.h"
#include "engine/voice.h"

namespace yacht {

// F9: clears the game, or, while one is under way, says the question; true when the question is
// then to be raised by the front end.
bool requestNewGame(Game& game, Voice& voice, Teller& tell);
// The answer to the new-game question: 1 clears the game, anything else keeps it ("cancelled").
void answerNewGame(Game& game, Voice& voice, Teller& tell, Action answer);
void showPlayerCounts(Teller& tell);  // the sheet shows the list of player counts

}  // namespace yacht
