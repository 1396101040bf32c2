// Which executable `yacht` becomes, from its command line and where it runs.

#include <gtest/gtest.h>

#include "app/launch_choice.h"

namespace yacht {
namespace {

TEST(LaunchChoice, TheTerminalGameForATerminalAndForAnswersTheWindowOtherwise)
{
    const StartPlace desktop{false, true, true, "/dev/pts/3"};
    const StartPlace console{false, true, true, "/dev/tty2"};
    const StartPlace piped{false, false, false, ""};
    LaunchOptions plain;
    LaunchOptions terminal;
    terminal.terminal = true;
    LaunchOptions help;
    help.answerOnly = true;
    struct Case {
        const char* what;
        LaunchOptions options;
        StartPlace place;
        bool display;
        GameExecutable expected;
        bool displayLookedFor;
    };
    const Case cases[] = {
        {"a desktop", plain, desktop, true, GameExecutable::Window, true},
        {"ssh without X", plain, desktop, false, GameExecutable::Terminal, true},
        {"the Linux console", plain, console, true, GameExecutable::Terminal, false},
        {"--terminal on a desktop", terminal, desktop, true, GameExecutable::Terminal, false},
        // The terminal game says a terminal is needed; the window's says a display is, aloud.
        {"--terminal with no terminal", terminal, piped, true, GameExecutable::Terminal, false},
        {"no display, no terminal", plain, piped, false, GameExecutable::Window, true},
        // The help and the figures never ask a display server, wherever they are asked.
        {"--help on a desktop", help, desktop, true, GameExecutable::Terminal, false},
        {"--help piped, no display", help, piped, false, GameExecutable::Terminal, false},
    };
    for (const Case& c : cases) {
        bool looked = false;
        const auto display = [&] { looked = true; return c.display; };
        EXPECT_EQ(chooseExecutable(c.options, c.place, display), c.expected) << c.what;
        EXPECT_EQ(looked, c.displayLookedFor) << c.what;
    }
}

}  // namespace
}  // namespace yacht
