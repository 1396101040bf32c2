#pragma once
// The question "Start new game?" in a box of its own over the window.

#include <functional>
#include <string>

class QWidget;

namespace yacht {

// A box with OK (the default, Enter) and Cancel (Escape), shown without waiting for it; the
// answer is handed on when the player gives it. One box at a time.
class NewGameQuestion {
public:
    explicit NewGameQuestion(QWidget& window) : window_(window) {}

    // Opens the box. `spoken`, the question as just handed to the screen reader (which says
    // which key answers it), becomes the box's own text, so the screen reader reads it whole
    // with the box rather than cut short as the box opens.
    void ask(const std::string& spoken, std::function<void(bool ok)> answered);

    // The box while it is open, else null.
    QWidget* box() const { return box_; }

private:
    QWidget& window_;
    QWidget* box_ = nullptr;
};

}  // namespace yacht
