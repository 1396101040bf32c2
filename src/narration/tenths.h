#pragma once
// How the narrator says points that are not whole: to one decimal, as the voice reads it well.

#include <string>

namespace yacht {

// Points rounded to one decimal, "3.1" or "12.0" (never a comma, whatever the locale).
std::string tenths(double points);

}  // namespace yacht
