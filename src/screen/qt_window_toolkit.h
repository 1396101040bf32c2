#pragma once
// What the game asks of the window besides drawing: the beep, leaving, and the sizes the board
// is stretched by.

#include "engine/toolkit.h"

class QWidget;

namespace yacht {

// The window as the game's toolkit: sizes in logical pixels at 96 dots per inch.
class WindowToolkit : public Toolkit {
public:
    explicit WindowToolkit(QWidget& window) : window_(window) {}

    void beep() override;
    // Hides the window and ends the event loop.
    void quitNow() override;
    // The screen the window is on (the primary one before it is shown).
    Size screenSize() override;
    // The designed window with the frame a window of the design has round its client area.
    Size windowOuterSize() override;

private:
    QWidget& window_;
};

}  // namespace yacht
