#pragma once
// Rolling and holding: the pending throw, and the keys while the dice are on the table.

#include "engine/yacht.h"

namespace yacht {

// Makes the pending throw (the queue is empty and the state is rolling).
void makeroll(Yacht& y);

// The keys of the rolled state: the dice cursor, holding and releasing, the next throw.
Flow rolledkeys(Yacht& y, Key key);

}  // namespace yacht
