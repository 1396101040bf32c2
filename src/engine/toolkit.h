#pragma once
// The window toolkit port: what the game asks of the windowing system besides drawing the board,
// which the front end does after every step.

#include <string>

namespace yacht {

// A size in logical pixels at 96 dots per inch, whatever the screen's own dots per inch.
struct Size {
    float width = 0, height = 0;
};

// Beep, quit and measure. Tests fake it; the Qt window implements it.
class Toolkit {
public:
    virtual ~Toolkit() = default;
    virtual void beep() = 0;
    // End the program at once; no further step runs.
    virtual void quitNow() = 0;
    virtual Size screenSize() = 0;
    virtual Size windowOuterSize() = 0;
};

}  // namespace yacht
