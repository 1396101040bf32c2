#include "screen/board.h"

#include "narration/catalogue.h"

namespace yacht {

std::string withoutLeadingBlanks(const std::string& caption)
{
    const auto first = caption.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : caption.substr(first);
}

namespace {

float rowTop(int row)
{
    return row <= 6 ? 136.0f + 16.0f * (row - 1) : 248.0f + 16.0f * (row - 7);
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
        die = label({64.0f + 88.0f * i, 24, 57, 57}, 36, false, Align::Center);
        die.caption = std::string("?");
        die.border = true;
        die.backstyle = BackStyle::Opaque;
        die.backcolor = colour::white;

        Label& hold = b.holdMarks[i];
        hold = label({64.0f + 88.0f * i, 80, 57, 17}, 12, true, Align::Center);
        opaque(hold, colour::white, colour::green);
    }

    b.statusBox = label({208, 120, 153, 41}, 12, true, Align::Center);
    b.statusBox.caption = std::string(translate("Roll dice"));
    b.statusBox.border = true;
    opaque(b.statusBox, colour::black, colour::cream);

    b.bonusPlaque.rect = {208, 168, 112, 41};
    b.bonusPlaque.visible = false;

    b.sheetValues[0] = label({16, 120, 169, 17}, 9.75f, true, Align::Center);
    b.sheetValues[0].caption = std::string(translate("Score Sheet"));
    opaque(b.sheetValues[0], colour::white, colour::black);

    b.sheetCaptions[0] = label({16, 136, 169, 225}, 9.75f, false, Align::Left);
    opaque(b.sheetCaptions[0], colour::windowText, colour::cream);

    for (int r = 1; r <= 13; ++r) {
        b.sheetCaptions[r] = label({16, rowTop(r), 129, 17}, 9.75f, true, Align::Left);
        b.sheetCaptions[r].backcolor = colour::highlight;
        b.sheetValues[r] = label({144, rowTop(r), 33, 17}, 9.75f, true, Align::Right);
    }

    b.sheetCaptions[14] = label({16, 232, 129, 17}, 9.75f, true, Align::Right);
    b.sheetCaptions[14].font.italic = true;
    b.sheetCaptions[14].forecolor = colour::red;
    b.sheetValues[14] = label({144, 232, 33, 17}, 9.75f, true, Align::Right);
    b.sheetValues[14].font.italic = true;
    b.sheetValues[14].forecolor = colour::red;

    for (int k = 0; k <= 12; ++k) {
        const float y = 152.0f + 16.0f * k;
        b.sheetRules[k] = {16, y, 184, y};
    }
    b.sheetRules[13] = {144, 136, 144, 360};
    b.sheetFrame.rect = {16, 120, 169, 241};

    b.sidePanel[0] = label({392, 120, 129, 241}, 9.75f, false, Align::Left);
    b.sidePanel[0].border = true;
    opaque(b.sidePanel[0], colour::windowText, colour::cream);

    b.sidePanel[1] = label({392, 120, 129, 33}, 18, true, Align::Center);
    b.sidePanel[1].caption = std::string(translate("Yacht"));
    opaque(b.sidePanel[1], colour::white, colour::black);

    b.sidePanel[2] = label({400, 160, 113, 49}, 32.25f, true, Align::Center);
    opaque(b.sidePanel[2], colour::yellow, colour::black);

    const char* const legends[] = {translate("  F1: Help"),  translate("  F2: Dice"),     translate("  F3: Categories"),
                                    translate("  F4: Score"), translate("  F9: New game"), translate("  F12: Exit")};
    for (int i = 3; i <= 8; ++i) {
        Label& l = b.sidePanel[i];
        l = label({400, 216.0f + 24.0f * (i - 3), 113, 17}, 9.75f, true, Align::Left);
        l.caption = std::string(legends[i - 3]);
        l.border = true;
        opaque(l, colour::windowText, colour::peach);
    }
    b.sidePanelFrame.rect = {392, 120, 129, 241};
    return b;
}

}  // namespace yacht
