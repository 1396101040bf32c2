#pragma once
// The start-up sequence, run once before the window is shown and before the first tick.

#include <cstdint>
#include <optional>
#include <string>

#include "engine/yacht.h"

namespace yacht {

// What start-up needs from outside the game: the clock's seed and what the command line asked.
struct StartupContext {
    uint64_t clockSeed = 0;
    std::optional<uint64_t> fixedSeed;  // --seed N
    std::string speechEngine;           // the engine to remember, when --speech-engine named one
    bool briefForRun = false;           // --brief: brief speech this run, whatever is stored
    std::string language;               // the game's language ("de"), "" for English
};

// Tunes the voice, seeds the dice, reads the settings from the storage
// (which decides where they live) and applies them, and hands the engine state 99.
void startup(Yacht& y, const StartupContext& context);

// The seed the dice are drawn from: --seed when given, else the clock.
uint64_t diceSeed(const StartupContext& context);

}  // namespace yacht
