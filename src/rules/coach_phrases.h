#pragma once
// How the coach says points: to one decimal, in words the voice reads well.

#include <string>

namespace yacht {

// Points rounded to one decimal, "3.1" or "12.0" (never a comma, whatever the locale).
std::string tenths(double points);

// What a player's choices have cost: "your choices cost 12.4 points against perfect play".
std::string costOfChoices(double points);

}  // namespace yacht
