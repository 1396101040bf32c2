#include "speech/qt_clock.h"

#include <QTimer>

namespace yacht {

QtClock::QtClock() = default;
QtClock::~QtClock() = default;

Clock::Ticket QtClock::after(std::chrono::milliseconds delay, std::function<void()> call)
{
    const Ticket ticket = ++last_;
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer.get(), &QTimer::timeout, this, [this, ticket, call = std::move(call)] {
        // The timer is let go of after the call, which may cancel or set others.
        auto it = timers_.find(ticket);
        if (it == timers_.end()) return;
        std::unique_ptr<QTimer> done = std::move(it->second);
        timers_.erase(it);
        call();
        if (afterEach_) afterEach_();
        done.release()->deleteLater();
    });
    timer->start(delay);
    timers_.emplace(ticket, std::move(timer));
    return ticket;
}

void QtClock::cancel(Ticket ticket)
{
    const auto it = timers_.find(ticket);
    if (it == timers_.end()) return;
    it->second->stop();
    it->second.release()->deleteLater();
    timers_.erase(it);
}

}  // namespace yacht
