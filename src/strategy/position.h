#pragma once
// A player's card between turns, reduced to what the rest of the game depends on.

#include <algorithm>
#include <cstdint>

#include "rules/category_prices.h"

namespace yacht::strategy {

// One bit per category: bit c-1 set when category c is filled.
using FilledMask = uint16_t;
inline constexpr FilledMask kAllFilled = (1u << category::Count) - 1;
inline constexpr int kUpperLevels = kBonusThreshold + 1;  // upper subtotals 0..62, and 63 or more

constexpr FilledMask bitOf(int c) { return static_cast<FilledMask>(1u << (c - 1)); }
constexpr bool isUpper(int c) { return c >= category::Ones && c <= category::Sixes; }

// The filled categories, the upper subtotal (any figure of 63 or more counts as 63, since the
// bonus is all that it still decides) and whether the Yacht row holds 50 (so that every further
// Yacht pays the bonus).
struct Position {
    FilledMask filled = 0;
    int upper = 0;
    bool yachtHolds50 = false;

    bool isFree(int c) const { return (filled & bitOf(c)) == 0; }
    bool isOver() const { return filled == kAllFilled; }
    friend bool operator==(const Position&, const Position&) = default;
};

// The points a category earns now: its price, plus the upper bonus when this score lifts the
// upper subtotal to 63.
constexpr int pointsNow(const Position& p, int c, int price)
{
    if (!isUpper(c)) return price;
    return price + (p.upper < kBonusThreshold && p.upper + price >= kBonusThreshold ? kUpperBonus : 0);
}

// The position once category c has been scored at this price.
constexpr Position afterScoring(const Position& p, int c, int price)
{
    Position next = p;
    next.filled = static_cast<FilledMask>(p.filled | bitOf(c));
    if (isUpper(c)) next.upper = std::min(kBonusThreshold, p.upper + price);
    if (c == category::Yacht) next.yachtHolds50 = price == kYachtScore;
    return next;
}

}  // namespace yacht::strategy
