#pragma once
// The spoken description of the dice.

#include "engine/teller.h"
#include "engine/game_state.h"

namespace yacht {

// Tells the faces: all five on the first throw, else the dice not held. They are joined to the
// last queued item unless told otherwise (a report of the dice replaces what is queued).
void sayDice(Game& g, Teller& tell, Entry entry = Entry::Joined);

}  // namespace yacht
