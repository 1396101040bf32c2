#pragma once
// The answers a start gives without playing: the help, the version, the solver's figures and the
// record of games. Both executables give them the same way, before any game or window exists.

#include <optional>

#include "app/command_line.h"

namespace yacht {

// The exit status when the options ask for one of these answers (printed on standard output),
// nothing when they ask for a game.
std::optional<int> answerWithoutGame(const Options& options);

}  // namespace yacht
