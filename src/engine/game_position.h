#pragma once
// The game as the solver sees it: a player's card as a Position and the dice as faces.

#include <optional>
#include <vector>

#include "engine/game_state.h"
#include "strategy/advice.h"

namespace yacht {

// Player p's card: the filled categories, the upper subtotal and whether Yacht holds 50.
strategy::Position positionOf(const Game& g, int p);

// The five faces on the table, or nothing while any die is still to be thrown.
std::optional<strategy::Dice> diceOnTable(const Game& g);

// The faces of the held dice (or of every die), smallest first, as the game says them: 4 4 4.
std::vector<int> heldFaces(const strategy::Dice& dice, const std::array<bool, kDice>& hold);

}  // namespace yacht
