#pragma once
// The unfinished game written at F12 and resumed at the next start.

#include "engine/yacht.h"

namespace yacht {

void savegame(Yacht& y);
void resumegame(Yacht& y);

}  // namespace yacht
