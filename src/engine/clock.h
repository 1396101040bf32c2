#pragma once
// The clock port: one-shot calls "after so many milliseconds", each cancellable before it comes.

#include <chrono>
#include <cstdint>
#include <functional>

namespace yacht {

// The game's only source of time-driven steps: the computer's pause between moves, the screen
// reader's estimate, and the first step after start-up. Nothing repeats; an idle game has nothing
// scheduled. The Qt timer serves it in the program, a scripted clock in tests.
class Clock {
public:
    using Ticket = uint64_t;  // names one scheduled call; 0 is never a ticket
    virtual ~Clock() = default;

    // Calls `call` once, on the user-interface thread, after at least `delay` has passed.
    virtual Ticket after(std::chrono::milliseconds delay, std::function<void()> call) = 0;
    // Drops a call not yet made; a ticket already used or 0 is ignored.
    virtual void cancel(Ticket ticket) = 0;
};

}  // namespace yacht
