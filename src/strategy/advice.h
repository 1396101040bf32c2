#pragma once
// The questions a computer player or a coach asks, as pure functions over values: the dice as
// faces, and the card as a Position. Each question has a form over a TurnPlan, for a caller that
// asks several in one turn, and a form over the table, which works the turn out first.

#include <array>
#include <vector>

#include "strategy/position.h"
#include "strategy/turn_plan.h"
#include "strategy/value_table.h"

namespace yacht::strategy {

// Five faces 1..6, in die order.
using Dice = std::array<int, kDiceThrown>;

// Which dice to hold, by position, and the points it is expected to bring in the rest of the
// game. Holding all five ends the throwing.
struct KeepChoice {
    std::array<bool, kDiceThrown> hold{};
    double expected = 0;
    bool holdsAll() const { return hold == std::array<bool, kDiceThrown>{true, true, true, true, true}; }
};

// A category to score, its points on the card, and the points expected in the rest of the game
// with it (this score and the upper bonus included).
struct CategoryChoice {
    int category = 0;
    int points = 0;
    double expected = 0;
};

// The best keep after a throw with this many throws to come (1 or 2). A Yacht, or no throw to
// come, ends the throwing: the answer is then to hold all five.
KeepChoice bestKeep(const TurnPlan& plan, const Dice& dice, int throwsLeft);
KeepChoice bestKeep(const ValueTable& table, const Position& position, const Dice& dice, int throwsLeft);

// The best free category for the dice after the last throw.
CategoryChoice bestCategory(const TurnPlan& plan, const Dice& dice);
CategoryChoice bestCategory(const ValueTable& table, const Position& position, const Dice& dice);

// What scoring this category costs on average against the best choice (0 for the best; a
// filled category costs infinity).
double categoryCost(const TurnPlan& plan, const Dice& dice, int category);
double categoryCost(const ValueTable& table, const Position& position, const Dice& dice, int category);

// The dice to hold, by position, for a keep given by its face counts.
std::array<bool, kDiceThrown> holdFor(const Dice& dice, const FaceCounts& keep);

// Every distinct keep of these dice with its expected value, for a player that weighs them.
struct KeepOption {
    int keep = 0;  // a number among the DiceSets' keeps
    double expected = 0;
};
std::vector<KeepOption> keepOptions(const TurnPlan& plan, const Dice& dice, int throwsLeft);

}  // namespace yacht::strategy
