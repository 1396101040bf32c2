#pragma once
// The terminal's modes while the game plays: keys arrive one at a time, unechoed, Ctrl+C as a
// key rather than a signal; the modes found at the start are put back however the game ends,
// a crash included (short of SIGKILL, which nothing can catch).

namespace yacht {

// Holds the terminal in the game's modes for its lifetime.
class RawTerminal {
public:
    // Saves the modes of the terminal on `fd` and sets the game's; does nothing when `fd` is not
    // a terminal.
    explicit RawTerminal(int fd);
    ~RawTerminal();
    RawTerminal(const RawTerminal&) = delete;
    RawTerminal& operator=(const RawTerminal&) = delete;

    bool active() const { return active_; }

private:
    bool active_ = false;
};

// Puts the saved modes back now; safe inside a signal handler.
void restoreTerminalModes();

}  // namespace yacht
