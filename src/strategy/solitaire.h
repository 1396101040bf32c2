#pragma once
// Whole solitaire games played by a computer player, with no window and no sound: how the
// strong and the casual player score, to compare with the table's expectation.

#include <cstdint>

#include "strategy/position.h"
#include "strategy/value_table.h"

namespace yacht::strategy {

// How a computer player plays: optimally, or sensibly with human-sized mistakes.
enum class Strength { Strong, Casual };

// The mean and standard deviation of the scores of a number of games.
struct SimulationFigures {
    double mean = 0;
    double sd = 0;
    long games = 0;
};

// One game from a position to the full card, with the game's rules: up to three throws, a
// Yacht ends the throwing and pays 100 when the Yacht row holds 50, holding all five ends the
// throwing. The points scored from the position on (bonuses included); the seed fixes the dice.
int playSolitaire(const ValueTable& table, Strength strength, const Position& start, uint64_t seed);

// Games numbered 0..games-1, game i from its own seed drawn from the one given, so the figures
// do not depend on how many threads (0: one per core) share the games.
SimulationFigures simulateGames(const ValueTable& table, Strength strength, long games, uint64_t seed,
                                int threads = 0, const Position& start = {});

}  // namespace yacht::strategy
