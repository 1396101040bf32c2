#pragma once
// The texts the screen-reader voice hands to the window, on their way to the window's list of
// what was said (qt_said_list.h), which the screen reader speaks and keeps on the braille display.

#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace yacht {

class SaidList;

// Gives each text to the list one turn of the event loop later. While the new-game box is open
// texts are held, and given once the window has the keyboard again: the screen reader cuts its
// speech as the window becomes active, and a text given before that would be cut with it.
class ScreenReaderTexts : public QObject {
public:
    // `questionOpen` tells whether the new-game box is open.
    ScreenReaderTexts(QWidget& window, std::function<bool()> questionOpen);

    void announce(const std::string& text);
    // The newest text not yet given, taken out ("" for none): the question the box shows.
    std::string takeNewest();
    // The box has closed: with the window not yet active, texts wait for windowActivated(), or a
    // second should the window manager never say so.
    void holdUntilActive(bool windowActiveNow);
    void windowActivated();

    // The list of what was said; null until the first text.
    SaidList* saidList() const { return said_; }

private:
    void giveHeld();

    QWidget& window_;
    std::function<bool()> questionOpen_;
    SaidList* said_ = nullptr;       // made with the first text
    std::vector<std::string> held_;  // texts not yet given
    bool holding_ = false;           // the box has closed and the window is not active again yet
};

}  // namespace yacht
