#pragma once
// Where the game's executables are, and how a start becomes one of them: `yacht` hands every
// start to the window's executable or to the terminal game's, found beside it or where the
// package installs them.

#include <string>

namespace yacht {

// The folder of the running program, from /proc/self/exe ("" when it cannot be read).
std::string runningProgramFolder();

// The executable `fileName` beside the program in `programFolder` (a build folder, a copy on a
// USB drive) when it may be run there, else `installed` when that may be run; "" when neither.
std::string gameExecutable(const std::string& programFolder, const std::string& fileName,
                           const std::string& installed);

// Replaces this process with `executable`, with the same arguments, the program's name among
// them (the window system knows the game's window by it): the process, and so its id, stays.
// Returns only when the executable cannot be started, with errno saying why.
void becomeExecutable(const std::string& executable, char** argv);

}  // namespace yacht
