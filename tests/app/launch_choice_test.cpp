// Which executable `yacht` becomes, from its command line and where it runs.

#include <gtest/gtest.h>

#include "app/launch_choice.h"

namespace yacht {
namespace {

TEST(LaunchChoice, TheTerminalGameForATerminalAndForAnswersTheWindowOtherwise)
{
    const StartPlace desktop{false, true, true, "/dev/pts/3"};
    const StartPlace piped{false, false, false, ""};
    const LaunchOptions plain;
    LaunchOptions terminal, help;
    terminal.terminal = true;
    help.answerOnly = true;
    struct Case {
        const char* what;
        LaunchOptions options;
        StartPlace place;
        bool display;
        GameExecutable expected;
    };
    const Case cases[] = {
        {"a desktop", plain, desktop, true, GameExecutable::Window},
        {"ssh without X", plain, desktop, false, GameExecutable::Terminal},
        // The terminal game says a terminal is needed; the window's says, aloud, a display is.
        {"--terminal with no terminal", terminal, piped, true, GameExecutable::Terminal},
        {"no display, no terminal", plain, piped, false, GameExecutable::Window},
        {"--help on a desktop", help, desktop, true, GameExecutable::Terminal},
    };
    for (const Case& c : cases) {
        bool looked = false;
        const auto display = [&] { looked = true; return c.display; };
        EXPECT_EQ(chooseExecutable(c.options, c.place, display), c.expected) << c.what;
        // --terminal and the answers never ask a display server.
        EXPECT_EQ(looked, !c.options.terminal && !c.options.answerOnly) << c.what;
    }
}

}  // namespace
}  // namespace yacht
