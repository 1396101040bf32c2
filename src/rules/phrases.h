#pragma once
// The sentences the game says in more than one place, written once so that they stay the same
// wherever they are said.

#include <string>

namespace yacht::phrase {

// Said whenever no game is running: at the start, at the end, and by the reports meanwhile.
inline const std::string kNewGameOrHelp =
    "Press function key F 9 to start a new game or function key F 1 for help. ";
inline const std::string kGameOver = "Game over. " + kNewGameOrHelp;

}  // namespace yacht::phrase
