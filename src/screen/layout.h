#pragma once
// Scaling the designed window to the screen, once at start-up.

#include "engine/toolkit.h"
#include "screen/board.h"

namespace yacht {

// Stretches the whole board by the ratios of the screen to the window's designed outer size,
// both as the toolkit measures them. A screen or window without size leaves the board as designed.
void fitToScreen(Board& board, Size screen, Size window);

// Stretches every control, in the window's control order: positions and sizes by the horizontal
// factor xx and the vertical factor yy, font sizes by yy alone (text keeps its height relative to
// the rows whatever the screen's shape), line end points likewise. Frame widths stay in pixels.
void scaleBoard(Board& board, float xx, float yy);

}  // namespace yacht
