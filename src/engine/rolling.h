#pragma once
// Rolling and holding: the pending throw, and the keys while the dice are on the table.

#include "engine/yacht.h"

namespace yacht {

// Prices categories 1..13 into categoryValues for the dice on the table.
void priceCategories(Game& g);

// Makes the pending throw (the queue is empty and the state is rolling), notes it in the turn's
// log and tells the dice.
void makePendingThrow(Game& g, Random& random, TurnLog& log, Teller& tell);

// The actions of the rolled state: the dice cursor, holding and releasing, the next throw, and a
// computer's keep, said before its throw; any other action does nothing here.
Flow applyRolledAction(Game& g, TurnAdvisor& advisor, Toolkit& toolkit, Teller& tell, Action action);

}  // namespace yacht
