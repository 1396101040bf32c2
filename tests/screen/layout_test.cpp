#include <gtest/gtest.h>

#include <functional>

#include <map>

#include "screen/layout.h"

namespace yacht {
namespace {

// Every label of the board with a name for failure messages.
void eachLabel(Board& b, const std::function<void(const std::string&, Label&)>& f)
{
    for (int i = 0; i < 5; ++i) f("dice" + std::to_string(i), b.dice[i]);
    for (int i = 0; i < 5; ++i) f("H" + std::to_string(i), b.H[i]);
    f("Label3", b.Label3);
    for (int r = 0; r < 15; ++r) f("x" + std::to_string(r), b.x[r]);
    for (int r = 0; r < 15; ++r) f("Y" + std::to_string(r), b.Y[r]);
    for (int i = 0; i < 9; ++i) f("lblSide" + std::to_string(i), b.lblSide[i]);
}

// The designed board on a screen that is the designed window stretched by the given factors.
struct ScreenOf {
    Board scaled = designBoard();
    ScreenOf(float wide, float high) { fitToScreen(scaled, {8130 * wide, 6075 * high}, {8130, 6075}); }
    Board& board() { return scaled; }
};

TEST(Setscreen, ScreenOfTheDesignedSizeKeepsEveryDesignValue)
{
    ScreenOf s(1, 1);
    Board design = designBoard();
    std::map<std::string, Label*> scaled;
    eachLabel(s.board(), [&](const std::string& name, Label& l) { scaled[name] = &l; });
    eachLabel(design, [&](const std::string& name, Label& l) {
        EXPECT_EQ(scaled[name]->rect, l.rect) << name;
        EXPECT_EQ(scaled[name]->font.size, l.font.size) << name;
    });
    for (int k = 0; k < 14; ++k) {
        EXPECT_EQ(s.board().Line1[k].x1, design.Line1[k].x1) << k;
        EXPECT_EQ(s.board().Line1[k].y2, design.Line1[k].y2) << k;
    }
    EXPECT_EQ(s.board().imgBonus.rect, design.imgBonus.rect);
    EXPECT_EQ(s.board().Shape1.rect, design.Shape1.rect);
}

TEST(Setscreen, ScreenTwiceAsWideAndThriceAsHighStretchesEachAxisAndFontsByHeight)
{
    ScreenOf s(2, 3);
    const Board& b = s.board();
    const Board design = designBoard();

    EXPECT_EQ(b.dice[0].rect, (Rect{1920, 1080, 1710, 2565}));
    EXPECT_EQ(b.dice[4].rect.left, 2 * (960 + 4 * 1320));
    EXPECT_FLOAT_EQ(b.dice[2].font.size, 108.0f);
    EXPECT_FLOAT_EQ(b.Y[5].font.size, 29.25f);
    EXPECT_FLOAT_EQ(b.x[14].font.size, 29.25f);
    EXPECT_FLOAT_EQ(b.lblSide[2].font.size, 96.75f);
    EXPECT_EQ(b.imgBonus.rect, (Rect{6240, 7560, 3360, 1845}));

    // Lines stretch at both ends; frames stretch but their width stays in pixels.
    EXPECT_EQ(b.Line1[0].x2, 2 * 2760);
    EXPECT_EQ(b.Line1[12].y1, 3 * (2280 + 240 * 12));
    EXPECT_EQ(b.Shape2.rect, (Rect{11760, 5400, 3870, 10845}));
    EXPECT_EQ(b.Shape1.lineWidth, design.Shape1.lineWidth);
    // The window itself is not a control: only the controls are stretched.
    EXPECT_EQ(b.clientWidth, design.clientWidth);
}

TEST(Setscreen, VerticalRuleStaysOnTheLeftEdgeOfTheValueCells)
{
    for (const auto& [wide, high] : {std::pair{1.0f, 1.0f}, {2.0f, 3.0f}, {1.2604f, 1.6856f}}) {
        ScreenOf s(wide, high);
        const Board& b = s.board();
        for (int r = 1; r <= 14; ++r) EXPECT_EQ(b.Line1[13].x1, b.x[r].rect.left) << wide << " row " << r;
        EXPECT_EQ(b.Line1[13].x2, b.Line1[13].x1);
        // The vertical rule runs from the first row's top to the sheet's foot.
        EXPECT_EQ(b.Line1[13].y1, b.Y[1].rect.top);
    }
}

TEST(Setscreen, ScreenOrWindowWithoutSizeLeavesTheDesign)
{
    for (const Size& screen : {Size{0, 0}, Size{8130, 0}}) {
        Board b = designBoard();
        fitToScreen(b, screen, {8130, 6075});
        EXPECT_EQ(b.dice[0].rect, designBoard().dice[0].rect);
    }
    Board b = designBoard();
    fitToScreen(b, {8130, 6075}, {0, 0});
    EXPECT_EQ(b.Y[0].rect, designBoard().Y[0].rect);
}

// The design's geometry: rules sit in the last pixel of the rows above them, the subtotal row
// lies between rows 6 and 7, and the panels lie under what sits on them.
TEST(DesignBoard, RulesAndPanelsFitTheRows)
{
    const Board b = designBoard();
    const int rowsAboveRule[13] = {1, 2, 3, 4, 5, 6, 14, 7, 8, 9, 10, 11, 12};
    for (int k = 0; k < 13; ++k) {
        const Rect& row = b.Y[rowsAboveRule[k]].rect;
        EXPECT_GT(b.Line1[k].y1, row.top) << k;
        EXPECT_LE(b.Line1[k].y1, row.top + row.height) << k;
        EXPECT_EQ(b.Line1[k].x1, b.Y[0].rect.left) << k;
    }
    EXPECT_EQ(b.Y[14].rect.top, b.Y[6].rect.top + 240);
    EXPECT_EQ(b.Y[7].rect.top, b.Y[14].rect.top + 240);
    EXPECT_EQ(b.Line1[13].y2, b.Y[13].rect.top + b.Y[13].rect.height - 15);
    for (int r = 1; r <= 14; ++r) {
        EXPECT_GE(b.Y[r].rect.top, b.Y[0].rect.top) << r;
        EXPECT_LE(b.Y[r].rect.top + b.Y[r].rect.height, b.Y[0].rect.top + b.Y[0].rect.height) << r;
        if (r <= 13) EXPECT_EQ(b.Y[r].backcolor, colour::highlight) << r;
    }
    for (int i = 1; i <= 8; ++i) {
        const Rect& r = b.lblSide[i].rect;
        EXPECT_GE(r.left, b.lblSide[0].rect.left) << i;
        EXPECT_LE(r.top + r.height, b.lblSide[0].rect.top + b.lblSide[0].rect.height) << i;
    }
}

}  // namespace
}  // namespace yacht
