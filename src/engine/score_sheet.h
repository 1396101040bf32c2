#pragma once
// The score sheet column: the current player's card, or every player's total. Showing a card
// sets the game's totals; the window and the terminal's sheet are told which column to show.

#include "engine/game_state.h"
#include "engine/teller.h"

namespace yacht {

// The sums of a player's card: the total with the upper bonus and the Yacht bonuses, the upper
// subtotal, and whether the subtotal earns the bonus. A player outside the table has a blank card.
struct CardSums {
    int16_t total = 0;
    int16_t subtotal = 0;
    bool bonus = false;
};
CardSums cardSums(const Game& g, int player);

void showCard(Game& g, Teller& tell);  // the current player's card, totals and bonus picture
void showScoreboard(Teller& tell);     // one row per player with that player's total

}  // namespace yacht
