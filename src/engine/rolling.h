#pragma once
// Rolling and holding: the pending throw, and the keys while the dice are on the table.

#include "engine/yacht.h"

namespace yacht {

// Prices categories 1..13 into categoryValues for the dice on the table.
void priceCategories(Game& g);

// Makes the pending throw (the queue is empty and the state is rolling).
void makePendingThrow(Yacht& y);

// The actions of the rolled state: the dice cursor, holding and releasing, the next throw, and a
// computer's keep, said before its throw; any other action does nothing here.
Flow applyRolledAction(Yacht& y, Action action);

}  // namespace yacht
