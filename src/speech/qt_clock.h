#pragma once
// The program's clock: each call it is asked for is a one-shot Qt timer on the user-interface thread.

#include <QObject>
#include <functional>
#include <map>
#include <memory>

#include "engine/clock.h"

class QTimer;

namespace yacht {

// Serves the clock port with single-shot Qt timers; after every call it makes it tells whoever
// steps the game, so that a timer that fires moves the game on as a key does.
class QtClock : public QObject, public Clock {
public:
    QtClock();
    ~QtClock() override;

    Ticket after(std::chrono::milliseconds delay, std::function<void()> call) override;
    void cancel(Ticket ticket) override;

    // Told after each call the clock has made.
    void afterEachCall(std::function<void()> told) { afterEach_ = std::move(told); }

    // How many calls wait to be made: none in an idle game.
    std::size_t waiting() const { return timers_.size(); }

private:
    std::map<Ticket, std::unique_ptr<QTimer>> timers_;
    Ticket last_ = 0;
    std::function<void()> afterEach_;
};

}  // namespace yacht
