// `yacht`, the program the player starts. It links no toolkit: it reads where it runs, chooses
// the front end as the game always has, and becomes the window's executable or the terminal
// game's (the same process, with the same arguments), so a game in a terminal never waits for
// the window's libraries to load. Each executable takes the one-copy-per-user lock itself.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/display_check.h"
#include "app/executables.h"
#include "app/front_end.h"
#include "app/launch_choice.h"

namespace {

std::string terminalName(int fd)
{
    const char* name = isatty(fd) ? ttyname(fd) : nullptr;
    return name ? name : "";
}

// One line on standard error, and the shell's status for a program missing (127) or one that
// cannot be run (126).
int cannotStart(const char* what, const std::string& executable, const std::string& installed, int error)
{
    if (executable.empty()) {
        std::fprintf(stderr, "yacht: %s is missing or may not be run: %s\n", what, installed.c_str());
        return 127;
    }
    std::fprintf(stderr, "yacht: cannot start %s %s: %s\n", what, executable.c_str(), std::strerror(error));
    return error == ENOENT ? 127 : 126;
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace yacht;
    const LaunchOptions options = readLaunchOptions(std::vector<std::string>(argv + 1, argv + argc));
    const StartPlace place{false, isatty(STDIN_FILENO) == 1, isatty(STDOUT_FILENO) == 1,
                           terminalName(STDIN_FILENO)};
    const GameExecutable chosen = chooseExecutable(
        options, place, [&options] { return displayAvailable(options.platformNamed, options.display); });

    const std::string folder = runningProgramFolder();
    const std::string window = gameExecutable(folder, "yacht-window", YACHT_WINDOW_EXEC);
    const std::string terminal = gameExecutable(folder, "yacht-terminal", YACHT_TERMINAL_EXEC);
    if (chosen == GameExecutable::Terminal) {
        // Both executables answer the help, the version, the figures and the record alike.
        if (terminal.empty() && options.answerOnly && !window.empty()) {
            becomeExecutable(window, argv);
            return cannotStart("the window's executable", window, YACHT_WINDOW_EXEC, errno);
        }
        becomeExecutable(terminal, argv);
        return cannotStart("the terminal game's executable", terminal, YACHT_TERMINAL_EXEC, errno);
    }
    becomeExecutable(window, argv);
    return cannotStart("the window's executable", window, YACHT_WINDOW_EXEC, errno);
}
