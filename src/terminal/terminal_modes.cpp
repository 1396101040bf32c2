#include "terminal/terminal_modes.h"

#include <csignal>
#include <cstdlib>
#include <initializer_list>
#include <termios.h>
#include <unistd.h>

namespace yacht {
namespace {

// The modes found at the start, for the signal handlers, which may use nothing else.
struct termios gSaved {};
volatile sig_atomic_t gSavedFd = -1;

// A crash puts the terminal back before the program ends as it would have without the game.
void restoreAndRaise(int signal)
{
    restoreTerminalModes();
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void restoreAtExit()
{
    restoreTerminalModes();
}

}  // namespace

void restoreTerminalModes()
{
    if (gSavedFd >= 0) tcsetattr(gSavedFd, TCSAFLUSH, &gSaved);
}

RawTerminal::RawTerminal(int fd)
{
    struct termios modes {};
    if (tcgetattr(fd, &modes) != 0) return;
    gSaved = modes;
    gSavedFd = fd;
    // Keys one at a time, not echoed; Ctrl+C, Ctrl+Z and Ctrl+S reach the game as keys; a carriage
    // return stays a carriage return. Output is left as it was, so a line feed is a new line.
    modes.c_lflag &= ~(ICANON | ECHO | ISIG | IEXTEN);
    modes.c_iflag &= ~(ICRNL | INLCR | IXON);
    modes.c_cc[VMIN] = 1;
    modes.c_cc[VTIME] = 0;
    if (tcsetattr(fd, TCSAFLUSH, &modes) != 0) return;
    active_ = true;
    static bool installed = false;
    if (!installed) {
        installed = true;
        std::atexit(restoreAtExit);
        for (int s : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) ::signal(s, restoreAndRaise);
    }
}

RawTerminal::~RawTerminal()
{
    if (active_) restoreTerminalModes();
}

}  // namespace yacht
