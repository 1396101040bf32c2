#pragma once
// The computer's pause before each move, kept on the clock so that nothing polls for it.

#include <chrono>

#include "engine/clock.h"

namespace yacht {

// Quiet before a computer's move, so a listener hears one move end before the next: the pause
// starts once everything has been heard and is over after its length; a word or a sound meanwhile
// starts it again. While the solver's table is still being built the turn asks again shortly.
class ComputerPause {
public:
    // 400 ms from the moment everything has been heard: the old 100 ms tick noticed the quiet
    // on average 50 ms late and then waited four more ticks.
    static constexpr std::chrono::milliseconds kLength{400};
    static constexpr std::chrono::milliseconds kTableRetry{100};

    // True once a pause has run its whole length since the quiet began (and then starts afresh);
    // otherwise starts the pause if none runs.
    bool over(Clock& clock);
    // Something is still to be heard, or no computer's turn is due: no pause runs.
    void reset(Clock& clock)
    {
        if (pause_ || over_) cancelPause(clock);
    }
    // The solver's table is not ready: the game is stepped again shortly to ask once more.
    void askAgainForTable(Clock& clock);

    // Whether a call waits on the clock (the pause, or the table asked for again).
    bool waiting() const { return pause_ || retry_; }

    ~ComputerPause();

private:
    void cancelPause(Clock& clock);

    Clock* clock_ = nullptr;  // the clock the calls below were set on
    Clock::Ticket pause_ = 0;
    Clock::Ticket retry_ = 0;
    bool over_ = false;
};

}  // namespace yacht
