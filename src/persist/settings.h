#pragma once
// The voice and speed settings: read at start-up, written at F12.

#include "engine/yacht.h"

namespace yacht {

void savesettings(Yacht& y);

}  // namespace yacht
