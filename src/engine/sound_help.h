#pragma once
// The rolling-dice sound and the help pages, both resources of the executable.

#include <string>

#include "engine/game_state.h"
#include "engine/ports.h"
#include "engine/teller.h"

namespace yacht {

// Starts the sound by its resource name; false when there is no such sound, and nothing was played.
bool playSound(const Ports& ports, const std::string& name);
void readHelpPage(Game& game, const Ports& ports, Teller& tell);  // HELP0, then 1, 2, 3, 1, ...

}  // namespace yacht
