#pragma once
// Category scoring: what each of the thirteen categories is worth for the dice on the table.

#include <array>
#include <cstdint>

#include "engine/yacht.h"
#include "rules/category_prices.h"

namespace yacht {

static_assert(kDice == kDiceThrown && kCategories == category::Count);

// The row captions of the card, indexed 1..13 (entry 0 unused); each begins with two blanks.
extern const std::array<const char*, kCategories + 1> kCategoryCaptions;

// Prices categories 1..13 into catvalue from the dice captions.
void getvalue(Yacht& y);

}  // namespace yacht
