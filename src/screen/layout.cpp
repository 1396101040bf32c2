#include "screen/layout.h"

#include <cmath>

namespace yacht {
namespace {

// The properties of a control that the stretching touches, by the kind of control.
void scaleRect(Rect& r, float xx, float yy)
{
    r.top *= yy;
    r.left *= xx;
    r.width *= xx;
    r.height *= yy;
}

void scaleLabel(Label& l, float xx, float yy)
{
    scaleRect(l.rect, xx, yy);
    l.font.size *= yy;
}

void scaleLine(Line& l, float xx, float yy)
{
    l.x1 *= xx;
    l.x2 *= xx;
    l.y1 *= yy;
    l.y2 *= yy;
}

bool usableFactor(float f)
{
    return std::isfinite(f) && f > 0.0f;
}

}  // namespace

void scaleBoard(Board& b, float xx, float yy)
{
    // The window's control order: the dice strip, the status box and the plaque, the sheet with
    // its rules and frame, then the side panel and its frame.
    for (Label& die : b.dice) scaleLabel(die, xx, yy);
    for (Label& hold : b.holdMarks) scaleLabel(hold, xx, yy);
    scaleLabel(b.statusBox, xx, yy);
    scaleRect(b.bonusPlaque.rect, xx, yy);
    for (Label& value : b.sheetValues) scaleLabel(value, xx, yy);
    for (Label& caption : b.sheetCaptions) scaleLabel(caption, xx, yy);
    for (Line& rule : b.sheetRules) scaleLine(rule, xx, yy);
    scaleRect(b.sheetFrame.rect, xx, yy);
    for (Label& side : b.sidePanel) scaleLabel(side, xx, yy);
    scaleRect(b.sidePanelFrame.rect, xx, yy);
}

void fitToScreen(Board& board, Size screen, Size window)
{
    const float xx = screen.width / window.width;
    const float yy = screen.height / window.height;
    // A headless platform may report no screen; the design then stays as it is rather than
    // collapsing to nothing or growing without bound.
    if (!usableFactor(xx) || !usableFactor(yy)) return;
    scaleBoard(board, xx, yy);
}

}  // namespace yacht
