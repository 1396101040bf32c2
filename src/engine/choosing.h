#pragma once
// Choosing a category after the last throw: the category cursor and scoring with enter.

#include "engine/yacht.h"

namespace yacht {

Flow choosingkeys(Yacht& y, Key key);

}  // namespace yacht
