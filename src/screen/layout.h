#pragma once
// Scaling the designed window to the screen, once at start-up.

#include "engine/yacht.h"

namespace yacht {

void setscreen(Yacht& y);
void resizescreen(Board& board, float xx, float yy);

}  // namespace yacht
