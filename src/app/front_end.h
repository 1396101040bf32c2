#pragma once
// Which front end a start gets: the window, the terminal, or neither (the one line saying the
// game needs a graphical session).

#include <functional>
#include <string>

namespace yacht {

// The front ends a start can end in.
enum class FrontEnd {
    Window,
    Terminal,
    NoDisplay,          // no display and no terminal: the line, status 1
    TerminalUnavailable,  // --terminal without a terminal on standard input and output
};

// What the start found about where it runs.
struct StartPlace {
    bool terminalAsked = false;   // --terminal
    bool inputTerminal = false;   // standard input is a terminal
    bool outputTerminal = false;  // standard output is a terminal
    std::string inputTtyName;     // the name of standard input's terminal, "" when none
};

// True for a Linux virtual console (/dev/tty1 .. /dev/tty63, /dev/vc/N), where a desktop may
// well be running on another console but this player sits at the text one.
bool isVirtualConsole(const std::string& ttyName);

// --terminal plays in the terminal; so does a start on a virtual console, and a start with no
// display that has a terminal. The display is only looked for when it matters, since looking
// for X opens a connection to it.
FrontEnd chooseFrontEnd(const StartPlace& place, const std::function<bool()>& displayAvailable);

}  // namespace yacht
