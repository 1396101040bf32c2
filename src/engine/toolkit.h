#pragma once
// The window toolkit port: what the game asks of the windowing system besides drawing the board.

#include <string>

namespace yacht {

// The player's answer to the OK/Cancel question.
enum class Answer { Ok, Cancel };

// A size in logical pixels at 96 dots per inch, whatever the screen's own dots per inch.
struct Size {
    float width = 0, height = 0;
};

// Beep, ask, redraw, quit and measure. Tests fake it; the Qt window implements it.
class Toolkit {
public:
    virtual ~Toolkit() = default;
    virtual void beep() = 0;
    // A modal box with OK (default, Enter) and Cancel (Escape); ticks are held back meanwhile.
    virtual Answer askOkCancel(const std::string& text) = 0;
    // Draw the board now, before the tick goes on.
    virtual void redrawNow() = 0;
    // End the program at once; no further tick runs.
    virtual void quitNow() = 0;
    virtual Size screenSize() = 0;
    virtual Size windowOuterSize() = 0;
};

}  // namespace yacht
