// Which front end a start gets, from where it runs.

#include <gtest/gtest.h>

#include "app/front_end.h"

namespace yacht {
namespace {

TEST(FrontEnd, TheTerminalWhereAskedOnAConsoleOrWithoutADisplay)
{
    struct Case {
        const char* what;
        StartPlace place;
        bool display;
        FrontEnd expected;
        bool displayLookedFor;
    };
    const Case cases[] = {
        {"a desktop", {false, true, true, "/dev/pts/3"}, true, FrontEnd::Window, true},
        {"ssh without X", {false, true, true, "/dev/pts/3"}, false, FrontEnd::Terminal, true},
        {"the Linux console, a desktop elsewhere", {false, true, true, "/dev/tty2"}, true, FrontEnd::Terminal, false},
        {"--terminal in a desktop terminal", {true, true, true, "/dev/pts/0"}, true, FrontEnd::Terminal, false},
        {"--terminal with output to a file", {true, true, false, "/dev/pts/0"}, true, FrontEnd::TerminalUnavailable, false},
        {"no display, no terminal", {false, false, false, ""}, false, FrontEnd::NoDisplay, true},
        {"a display, no terminal", {false, false, false, ""}, true, FrontEnd::Window, true},
    };
    for (const Case& c : cases) {
        bool looked = false;
        EXPECT_EQ(chooseFrontEnd(c.place, [&] { looked = true; return c.display; }), c.expected) << c.what;
        EXPECT_EQ(looked, c.displayLookedFor) << c.what;
    }
    EXPECT_TRUE(isVirtualConsole("/dev/tty12"));
    EXPECT_FALSE(isVirtualConsole("/dev/tty"));
    EXPECT_FALSE(isVirtualConsole("/dev/ttyS0"));
}

}  // namespace
}  // namespace yacht
