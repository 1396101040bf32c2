#pragma once
// The thirteen categories and what each is worth for five faces, with the bonuses the card pays:
// pure functions over numbers, shared by the engine and the solver.

#include <array>
#include <cstdint>

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
inline constexpr int Count = 13;
}  // namespace category

inline constexpr int kDiceThrown = 5;
inline constexpr int kBonusThreshold = 63;  // the upper subtotal that earns the upper bonus
inline constexpr int kUpperBonus = 35;
inline constexpr int kYachtScore = 50;
inline constexpr int kYachtBonus = 100;     // each further Yacht thrown once the row holds 50

// The worth of every category, indexed 1..13 (entry 0 unused).
using CategoryValues = std::array<int16_t, category::Count + 1>;

// Prices the categories for five faces, in die order. A face outside 1..6 (a die still showing
// "?") counts as no face for the patterns and adds 0 to the sums.
CategoryValues priceDice(const std::array<int, kDiceThrown>& faces);

}  // namespace yacht
