#pragma once
// Brings the game's window forward at a second start, with the launcher's token, so that the
// desktop's focus-stealing prevention lets the player land in the game.

#include "app/raise_request.h"

class QWidget;

namespace yacht {

// Restores the window from the task bar, raises it and asks for the keyboard focus.
void raiseWindow(QWidget& window, const RaiseRequest& request);

}  // namespace yacht
