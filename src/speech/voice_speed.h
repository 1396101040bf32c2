#pragma once
// Stepping through the installed voices and the five speaking speeds.

#include <cstdint>

#include "engine/yacht.h"

namespace yacht {

void changevoice(Yacht& y, int16_t direction);  // 0 the next voice, else the previous one
void changespeed(Yacht& y);                     // the next speed, from very fast back to very slow

}  // namespace yacht
