#include "screen/qt_window_toolkit.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include "screen/board.h"

namespace yacht {
namespace {

constexpr double kDesignDotsPerInch = 96.0;

// The frame a window of the design has round its client area: a border of 4 pixels on each
// side and a title bar of 23 pixels, at 96 dots per inch.
constexpr float kFrameWidth = 8.0f;
constexpr float kFrameHeight = 31.0f;

}  // namespace

void WindowToolkit::beep()
{
    QApplication::beep();
}

void WindowToolkit::quitNow()
{
    window_.hide();
    QCoreApplication::exit(0);
}

Size WindowToolkit::screenSize()
{
    const QScreen* s = window_.screen();
    if (!s) s = QGuiApplication::primaryScreen();
    if (!s) return {0, 0};
    return {float(s->geometry().width() * kDesignDotsPerInch / s->logicalDotsPerInchX()),
            float(s->geometry().height() * kDesignDotsPerInch / s->logicalDotsPerInchY())};
}

Size WindowToolkit::windowOuterSize()
{
    // The designed size: the window is measured before it is first shown, while it still has
    // the client area of the design.
    const Board design = designBoard();
    return {design.clientWidth + kFrameWidth, design.clientHeight + kFrameHeight};
}

}  // namespace yacht
