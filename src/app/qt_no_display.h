#pragma once
// A start with no display and no terminal: the game explains itself in one line, on the terminal
// and through speech-dispatcher, instead of aborting.

namespace yacht {

// Prints the one line to standard error, tries to say it (waiting at most a few seconds for a
// speech server that does not answer), and returns the exit status 1.
int explainNoDisplay();

}  // namespace yacht
