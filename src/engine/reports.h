#pragma once
// The reports behind F2, F3 and F4.

#include "engine/yacht.h"

namespace yacht {

void repeatdice(Yacht& y);     // F2: the dice again
void saycategories(Yacht& y);  // F3: the categories still to fill
void sayscore(Yacht& y);       // F4: the scores

}  // namespace yacht
