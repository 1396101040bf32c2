#pragma once
// Turn and game flow: the number of players, passing the turn, the rounds and the end of the game.

#include "engine/yacht.h"

namespace yacht {

// The turn-flow step, run while the queue is empty in turnend or waitspace. Continue only when it
// opens a turn (the state becomes rolling).
Flow turnflow(Yacht& y, Key key);

// The players step: arrows and digits choose the number of players.
void playersstep(Yacht& y, Key key);

// After a saved game has been read into the game on the first tick: a game that was running goes
// on where it stopped and says so. `whole` says every value of the file was there.
void resumeturn(Yacht& y, bool whole);

}  // namespace yacht
