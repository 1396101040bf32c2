#pragma once
// The rolling-dice sound and the help pages, both resources of the executable.

#include <string>

#include "engine/yacht.h"

namespace yacht {

void playsound(Yacht& y, const std::string& name);  // to its end when a sound from the queue
void sayhelp(Yacht& y);                             // HELP0, then 1, 2, 3, 1, ...

}  // namespace yacht
