#pragma once
// Choosing a category after the last throw: the category cursor and scoring with enter.

#include "engine/yacht.h"

namespace yacht {

// The actions of choosing: walking the categories, the row again, and scoring; any other action
// does nothing here.
Flow applyChoosingAction(Game& g, TurnAdvisor& advisor, TurnLog& log, Record& record, Teller& tell,
                         Action action);

}  // namespace yacht
