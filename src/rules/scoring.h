#pragma once
// Category scoring: what each of the thirteen categories is worth for the dice on the table.

#include <array>
#include <cstdint>

#include "engine/yacht.h"
#include "rules/category_prices.h"

namespace yacht {

static_assert(kDice == kDiceThrown && kCategories == category::Count);

// Prices categories 1..13 into catvalue from the dice captions.
void getvalue(Yacht& y);

}  // namespace yacht
