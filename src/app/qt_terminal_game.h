#pragma once
// The game played in a terminal: the same engine, saved game and settings as the window, with
// Qt's core event loop only (no window system is touched), keys read from the terminal and every
// text printed as a line.

#include <chrono>

#include "app/command_line.h"

namespace yacht {

// Takes the one-copy-per-user lock (a copy already running, in a terminal or a window, is said in
// one line, and this start ends) and plays until the player leaves; returns the exit status.
int playInTerminal(int argc, char** argv, const Options& options, std::chrono::steady_clock::time_point started);

}  // namespace yacht
