#pragma once
// Category scoring: what each of the thirteen categories is worth for the dice on the table.

#include <array>
#include <cstdint>
#include <string>

#include "rules/category_prices.h"

namespace yacht {

// The row captions of the card, indexed 1..13 (entry 0 unused); each begins with two blanks.
extern const std::array<const char*, category::Count + 1> kCategoryCaptions;

// The spoken or drawn name of a category row: its caption without the leading blanks.
std::string withoutLeadingBlanks(const std::string& caption);

}  // namespace yacht
