#include "engine/computer_pause.h"

namespace yacht {

bool ComputerPause::over(Clock& clock)
{
    clock_ = &clock;
    if (over_) {
        over_ = false;
        return true;
    }
    if (!pause_) pause_ = clock.after(kLength, [this] {
        pause_ = 0;
        over_ = true;
    });
    return false;
}

void ComputerPause::cancelPause(Clock& clock)
{
    if (pause_) clock.cancel(pause_);
    pause_ = 0;
    over_ = false;
}

void ComputerPause::askAgainForTable(Clock& clock)
{
    clock_ = &clock;
    if (!retry_) retry_ = clock.after(kTableRetry, [this] { retry_ = 0; });
}

ComputerPause::~ComputerPause()
{
    if (!clock_) return;
    clock_->cancel(pause_);
    clock_->cancel(retry_);
}

}  // namespace yacht
