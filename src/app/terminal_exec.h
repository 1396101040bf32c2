#pragma once
// The window's program hands a terminal game to the terminal game's own, smaller executable,
// which loads none of the window's libraries, so the game starts faster and holds less memory.

#include <string>

namespace yacht {

// The terminal game's executable: the one beside this program (a build folder, a copy on a USB
// drive) when it is there, else the installed one; "" when neither can be run.
std::string terminalGameExecutable(const std::string& programFolder, const std::string& installed);

// Replaces this process with `executable`, with the same arguments (the process, and so its id,
// stays). Returns only when the executable cannot be started.
void execTerminalGame(const std::string& executable, int argc, char** argv);

}  // namespace yacht
