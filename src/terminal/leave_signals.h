#pragma once
// The signals that end a terminal game (a dropped connection, SIGHUP; SIGTERM; SIGINT and SIGQUIT
// from outside), turned into bytes on a pipe that the front end reads like any other input, so
// the game is saved on the main thread and not inside a signal handler.

namespace yacht {

// Installs the handlers once; returns the pipe's reading end, or -1 when no pipe could be made.
int watchLeaveSignals();

}  // namespace yacht
