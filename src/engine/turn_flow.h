#pragma once
// Turn and game flow: the number of players, passing the turn, the rounds and the end of the game.

#include "engine/yacht.h"

namespace yacht {

// The turn-flow step, run while the queue is empty in turnend or waitspace: a finished turn passes
// whatever the action, and the Continue action opens the next. Continue only when it opens a turn
// (the state becomes rolling).
Flow passOrOpenTurn(Game& g, Teller& tell, Action action);

// The players step: more or fewer players, a count, or the game begins; any other action says the
// count again, as any key does while the players are chosen.
void choosePlayerCount(Game& g, Teller& tell, Action action);

// The list of counts lights the row of the number of players chosen so far (none while it is 0).
void lightPlayerCount(const Game& g, Teller& tell);

// After a saved game has been read into the game on the first tick: a game that was running goes
// on where it stopped and says so. `whole` says every value of the file was there.
void continueSavedTurn(Game& g, Teller& tell, bool whole);

}  // namespace yacht
