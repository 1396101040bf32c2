#pragma once
// Leaving by any door counts as F12: closing the window, SIGTERM and SIGHUP hand the game an F12
// key, and the session's end stores the game and the settings at once.

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>

#include "engine/yacht.h"

namespace yacht {

class MainWindow;

// Watches the window, the signals and the session for the life of the program.
class LeaveOnClose : public QObject {
public:
    LeaveOnClose(Yacht& game, MainWindow& window);
    ~LeaveOnClose() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Hands the engine F12, so it saves, says goodbye and ends as the key does; if the engine
    // cannot take the key soon (a question box is open), stores and ends without it.
    void leaveAsF12();
    // Stores the game and the settings as F12 does, without ending.
    void store();

    Yacht& game_;
    MainWindow& window_;
    std::unique_ptr<QSocketNotifier> signals_;
    QTimer fallback_;
};

}  // namespace yacht
