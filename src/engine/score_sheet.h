#pragma once
// The score sheet column: the current player's card, or every player's total. Drawing one sets
// the game's totals and its view facts; the window draws the sheet from them.

#include "engine/game_state.h"
#include "engine/view_facts.h"

namespace yacht {

// The sums of a player's card: the total with the upper bonus and the Yacht bonuses, the upper
// subtotal, and whether the subtotal earns the bonus. A player outside the table has a blank card.
struct CardSums {
    int16_t total = 0;
    int16_t subtotal = 0;
    bool bonus = false;
};
CardSums cardSums(const Game& g, int player);

void showCard(Game& g, ViewFacts& v);  // the current player's card, totals and bonus picture
void showScoreboard(ViewFacts& v);     // one row per player with that player's total

}  // namespace yacht
