#include "screen/board.h"

namespace yacht {
namespace {

float rowTop(int row)
{
    return row <= 6 ? 2040.0f + 240.0f * (row - 1) : 3720.0f + 240.0f * (row - 7);
}

Label label(Rect rect, float size, bool bold, Align align)
{
    Label l;
    l.rect = rect;
    l.font.size = size;
    l.font.bold = bold;
    l.align = align;
    return l;
}

// An opaque label: its text in `fore` on its own background `back`.
void opaque(Label& l, Rgb fore, Rgb back)
{
    l.forecolor = fore;
    l.backcolor = back;
    l.backstyle = BackStyle::Opaque;
}

}  // namespace

// Captions are moved in as whole strings: assigning a literal to them here makes GCC 12 warn of
// an overlapping copy that cannot happen (-Wrestrict, after inlining).
Board designBoard()
{
    Board b;

    for (int i = 0; i < 5; ++i) {
        Label& die = b.dice[i];
        die = label({960.0f + 1320.0f * i, 360, 855, 855}, 36, false, Align::Center);
        die.caption = std::string("?");
        die.border = true;
        die.backstyle = BackStyle::Opaque;
        die.backcolor = colour::white;

        Label& hold = b.H[i];
        hold = label({960.0f + 1320.0f * i, 1200, 855, 255}, 12, true, Align::Center);
        opaque(hold, colour::white, colour::green);
    }

    b.Label3 = label({3120, 1800, 2295, 615}, 12, true, Align::Center);
    b.Label3.caption = std::string("Roll dice");
    b.Label3.border = true;
    opaque(b.Label3, colour::black, colour::cream);

    b.imgBonus.rect = {3120, 2520, 1680, 615};
    b.imgBonus.visible = false;

    b.x[0] = label({240, 1800, 2535, 255}, 9.75f, true, Align::Center);
    b.x[0].caption = std::string("Score Sheet");
    opaque(b.x[0], colour::white, colour::black);

    b.Y[0] = label({240, 2040, 2535, 3375}, 9.75f, false, Align::Left);
    opaque(b.Y[0], colour::windowText, colour::cream);

    for (int r = 1; r <= 13; ++r) {
        b.Y[r] = label({240, rowTop(r), 1935, 255}, 9.75f, true, Align::Left);
        b.Y[r].backcolor = colour::highlight;
        b.x[r] = label({2160, rowTop(r), 495, 255}, 9.75f, true, Align::Right);
    }

    b.Y[14] = label({240, 3480, 1935, 255}, 9.75f, true, Align::Right);
    b.Y[14].font.italic = true;
    b.Y[14].forecolor = colour::red;
    b.x[14] = label({2160, 3480, 495, 255}, 9.75f, true, Align::Right);
    b.x[14].font.italic = true;
    b.x[14].forecolor = colour::red;

    for (int k = 0; k <= 12; ++k) {
        const float y = 2280.0f + 240.0f * k;
        b.Line1[k] = {240, y, 2760, y};
    }
    b.Line1[13] = {2160, 2040, 2160, 5400};
    b.Shape1.rect = {240, 1800, 2535, 3615};

    b.lblSide[0] = label({5880, 1800, 1935, 3615}, 9.75f, false, Align::Left);
    b.lblSide[0].border = true;
    opaque(b.lblSide[0], colour::windowText, colour::cream);

    b.lblSide[1] = label({5880, 1800, 1935, 495}, 18, true, Align::Center);
    b.lblSide[1].caption = std::string("Yacht");
    opaque(b.lblSide[1], colour::white, colour::black);

    b.lblSide[2] = label({6000, 2400, 1695, 735}, 32.25f, true, Align::Center);
    opaque(b.lblSide[2], colour::yellow, colour::black);

    static const char* const legends[] = {"  F1: Help",  "  F2: Dice",     "  F3: Categories",
                                           "  F4: Score", "  F9: New game", "  F12: Exit"};
    for (int i = 3; i <= 8; ++i) {
        Label& l = b.lblSide[i];
        l = label({6000, 3240.0f + 360.0f * (i - 3), 1695, 255}, 9.75f, true, Align::Left);
        l.caption = std::string(legends[i - 3]);
        l.border = true;
        opaque(l, colour::windowText, colour::peach);
    }
    b.Shape2.rect = {5880, 1800, 1935, 3615};
    return b;
}

}  // namespace yacht
