#pragma once
// Choosing the players, with the keys that bring in computer players.

#include "engine/action.h"
#include "engine/teller.h"
#include "engine/game_state.h"

namespace yacht {

// The players step: CycleComputers changes how many seats, counted from the last, the computer
// plays; CycleStrength how well it plays; every other action goes to the number of players (see
// choosePlayerCount). When the game starts, the seats take their kinds. A hush does nothing.
void choosePlayersAndSeats(Game& g, Teller& tell, Action action);

// The seats as the game will play them: the last seats, as many as the computer was given (never
// more than there are players), are the computer's, the rest people's, and nobody's choices have
// cost anything yet.
void seatPlayers(Game& g);

}  // namespace yacht
