#pragma once
// One turn of optimal play from a position, worked out once so that every decision of the turn
// (each keep, the final category) is a look-up.

#include <array>

#include "strategy/dice_sets.h"
#include "strategy/position.h"
#include "strategy/turn_kernel.h"
#include "strategy/value_table.h"

namespace yacht::strategy {

// The values of one turn for one position: of each category for each final throw, and of each
// keep with one or two throws to come. Values are the points still to come in the game.
class TurnPlan {
public:
    TurnPlan(const ValueTable& table, const Position& position);

    const Position& position() const { return position_; }

    // Scoring category c with throw t (a Yacht bonus already paid at the throw not counted);
    // negative infinity for a filled category.
    double scoreValue(int t, int c) const;
    // The best free category for throw t (the lowest number among equals).
    int bestCategory(int t) const;

    // Keeping keep k with this many throws to come (1 or 2), counting any Yacht bonus they pay.
    double keepValue(int k, int throwsLeft) const;

    // The turn from its first throw: the table's value of the position.
    double startValue() const { return start_; }

private:
    Position position_;
    std::array<double, FinalTerms::kSlots> next_{};
    std::array<double, DiceSets::kKeeps> oneLeft_{};
    std::array<double, DiceSets::kKeeps> twoLeft_{};
    double start_ = 0;
};

}  // namespace yacht::strategy
