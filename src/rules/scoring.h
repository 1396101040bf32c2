#pragma once
// Category scoring: what each of the thirteen categories is worth for the dice on the table.

#include "engine/yacht.h"

namespace yacht {

// Prices categories 1..13 into catvalue from the dice captions.
void getvalue(Yacht& y);

}  // namespace yacht
