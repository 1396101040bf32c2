#include "speech/qt_wait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <thread>

namespace yacht {

void waitUntil(const std::function<bool()>& finished, std::chrono::steady_clock::time_point deadline)
{
    using Clock = std::chrono::steady_clock;
    const auto over = [&] { return finished() || Clock::now() >= deadline; };
    if (over()) return;
    if (!QCoreApplication::instance()) {
        // No event loop to run (a tool without an application object): poll.
        while (!over()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return;
    }
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (over()) loop.quit();
    });
    poll.start();
    // Keys and clicks are let through: the window only records them (the tick that waits here is
    // not run again until it ends), and a screen reader watching the window hears its keys echoed
    // at once rather than when the sound or the speech is over.
    loop.exec(QEventLoop::AllEvents);
}

}  // namespace yacht
