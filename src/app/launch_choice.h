#pragma once
// What `yacht` reads of its command line, and which of the game's two executables a start
// becomes, decided without the toolkit the game's own reading of the command line needs.

#include <functional>
#include <string>
#include <vector>

#include "app/front_end.h"

namespace yacht {

// What of the command line decides the executable; everything else is read, and refused where
// wrong, by the executable the start becomes.
struct LaunchOptions {
    bool terminal = false;       // --terminal
    bool platformNamed = false;  // Qt's -platform
    std::string display;         // Qt's -display, "" when not given
    bool answerOnly = false;     // --help, --version, --optimum, --simulate, --record or --record-export
};

// Reads the arguments after the program's name as the game's own reading does (options of one
// dash or two, a value after "=" or in the next argument whatever it is, "--" ending the
// options, the last of a repeated option counting), noting only what LaunchOptions holds.
// Unknown options and plain arguments are passed over.
LaunchOptions readLaunchOptions(const std::vector<std::string>& args);

// The game's two executables.
enum class GameExecutable { Window, Terminal };

// The terminal game's executable for a game in the terminal, for --terminal without a terminal
// (it says so) and for the answers that need no game; the window's for the window and for a
// start with neither display nor terminal (it says, and speaks, that the game needs a graphical
// session). --terminal counts whether `options` or `place` carries it. The display is looked for
// only where the front end depends on it.
GameExecutable chooseExecutable(const LaunchOptions& options, const StartPlace& place,
                                const std::function<bool()>& displayAvailable);

}  // namespace yacht
