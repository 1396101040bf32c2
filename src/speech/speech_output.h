#pragma once
// Speaking at once: sayit hands a text to the voice and returns, sayit2 waits until it is said.

#include <string>

#include "engine/yacht.h"

namespace yacht {

void sayit(Yacht& y, const std::string& say);
void sayit2(Yacht& y, const std::string& say);

}  // namespace yacht
