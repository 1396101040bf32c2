#pragma once
// Category scoring: what each of the thirteen categories is worth for the dice on the table.

#include <array>
#include <cstdint>

#include "engine/yacht.h"

namespace yacht {

// Category numbers in score-sheet order.
namespace category {
inline constexpr int Ones = 1;
inline constexpr int Sixes = 6;
inline constexpr int ThreeOfAKind = 7;
inline constexpr int FourOfAKind = 8;
inline constexpr int FullHouse = 9;
inline constexpr int SmallStraight = 10;
inline constexpr int LargeStraight = 11;
inline constexpr int Chance = 12;
inline constexpr int Yacht = 13;
}  // namespace category

// The row captions of the card, indexed 1..13 (entry 0 unused); each begins with two blanks.
extern const std::array<const char*, kCategories + 1> kCategoryCaptions;

// The worth of every category, indexed 1..13 (entry 0 unused).
using CategoryValues = std::array<int16_t, kCategories + 1>;

// Prices the categories for five faces, in die order. A face outside 1..6 (a die still showing
// "?") counts as no face for the patterns and adds 0 to the sums.
CategoryValues priceDice(const std::array<int, kDice>& faces);

// Prices categories 1..13 into catvalue from the dice captions.
void getvalue(Yacht& y);

}  // namespace yacht
