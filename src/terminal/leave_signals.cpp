#include "terminal/leave_signals.h"

#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

namespace yacht {
namespace {

int gPipe[2] = {-1, -1};

void noteSignal(int signal)
{
    const unsigned char byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(gPipe[1], &byte, 1);
}

}  // namespace

int watchLeaveSignals()
{
    if (gPipe[0] >= 0) return gPipe[0];
    if (::pipe2(gPipe, O_CLOEXEC | O_NONBLOCK) != 0) return -1;
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : {SIGHUP, SIGTERM, SIGINT, SIGQUIT}) sigaction(s, &action, nullptr);
    // A terminal gone away makes writes fail with an error; it must not end the game unsaved.
    ::signal(SIGPIPE, SIG_IGN);
    return gPipe[0];
}

}  // namespace yacht
