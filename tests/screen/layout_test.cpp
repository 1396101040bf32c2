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
    for (int i = 0; i < 5; ++i) f("holdMarks" + std::to_string(i), b.holdMarks[i]);
    f("statusBox", b.statusBox);
    for (int r = 0; r < 15; ++r) f("sheetValues" + std::to_string(r), b.sheetValues[r]);
    for (int r = 0; r < 15; ++r) f("sheetCaptions" + std::to_string(r), b.sheetCaptions[r]);
    for (int i = 0; i < 9; ++i) f("sidePanel" + std::to_string(i), b.sidePanel[i]);
}

// The designed board on a screen that is the designed window stretched by the given factors.
struct ScreenOf {
    Board scaled = designBoard();
    ScreenOf(float wide, float high) { fitToScreen(scaled, {542 * wide, 405 * high}, {542, 405}); }
    Board& board() { return scaled; }
};

TEST(FitToScreen, ScreenOfTheDesignedSizeKeepsEveryDesignValue)
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
        EXPECT_EQ(s.board().sheetRules[k].x1, design.sheetRules[k].x1) << k;
        EXPECT_EQ(s.board().sheetRules[k].y2, design.sheetRules[k].y2) << k;
    }
    EXPECT_EQ(s.board().bonusPlaque.rect, design.bonusPlaque.rect);
    EXPECT_EQ(s.board().sheetFrame.rect, design.sheetFrame.rect);
}

TEST(FitToScreen, ScreenTwiceAsWideAndThriceAsHighStretchesEachAxisAndFontsByHeight)
{
    ScreenOf s(2, 3);
    const Board& b = s.board();
    const Board design = designBoard();

    EXPECT_EQ(b.dice[0].rect, (Rect{128, 72, 114, 171}));
    EXPECT_EQ(b.dice[4].rect.left, 2 * (64 + 4 * 88));
    EXPECT_FLOAT_EQ(b.dice[2].font.size, 108.0f);
    EXPECT_FLOAT_EQ(b.sheetCaptions[5].font.size, 29.25f);
    EXPECT_FLOAT_EQ(b.sheetValues[14].font.size, 29.25f);
    EXPECT_FLOAT_EQ(b.sidePanel[2].font.size, 96.75f);
    EXPECT_EQ(b.bonusPlaque.rect, (Rect{416, 504, 224, 123}));

    // Lines stretch at both ends; frames stretch but their width stays in pixels.
    EXPECT_EQ(b.sheetRules[0].x2, 2 * 184);
    EXPECT_EQ(b.sheetRules[12].y1, 3 * (152 + 16 * 12));
    EXPECT_EQ(b.sidePanelFrame.rect, (Rect{784, 360, 258, 723}));
    EXPECT_EQ(b.sheetFrame.lineWidth, design.sheetFrame.lineWidth);
    // The window itself is not a control: only the controls are stretched.
    EXPECT_EQ(b.clientWidth, design.clientWidth);
}

TEST(FitToScreen, VerticalRuleStaysOnTheLeftEdgeOfTheValueCells)
{
    for (const auto& [wide, high] : {std::pair{1.0f, 1.0f}, {2.0f, 3.0f}, {1.2604f, 1.6856f}}) {
        ScreenOf s(wide, high);
        const Board& b = s.board();
        for (int r = 1; r <= 14; ++r) EXPECT_EQ(b.sheetRules[13].x1, b.sheetValues[r].rect.left) << wide << " row " << r;
        EXPECT_EQ(b.sheetRules[13].x2, b.sheetRules[13].x1);
        // The vertical rule runs from the first row's top to the sheet's foot.
        EXPECT_EQ(b.sheetRules[13].y1, b.sheetCaptions[1].rect.top);
    }
}

TEST(FitToScreen, ScreenOrWindowWithoutSizeLeavesTheDesign)
{
    for (const Size& screen : {Size{0, 0}, Size{542, 0}}) {
        Board b = designBoard();
        fitToScreen(b, screen, {542, 405});
        EXPECT_EQ(b.dice[0].rect, designBoard().dice[0].rect);
    }
    Board b = designBoard();
    fitToScreen(b, {542, 405}, {0, 0});
    EXPECT_EQ(b.sheetCaptions[0].rect, designBoard().sheetCaptions[0].rect);
}

// The design's geometry: rules sit in the last pixel of the rows above them, the subtotal row
// lies between rows 6 and 7, and the panels lie under what sits on them.
TEST(DesignBoard, RulesAndPanelsFitTheRows)
{
    const Board b = designBoard();
    const int rowsAboveRule[13] = {1, 2, 3, 4, 5, 6, 14, 7, 8, 9, 10, 11, 12};
    for (int k = 0; k < 13; ++k) {
        const Rect& row = b.sheetCaptions[rowsAboveRule[k]].rect;
        EXPECT_GT(b.sheetRules[k].y1, row.top) << k;
        EXPECT_LE(b.sheetRules[k].y1, row.top + row.height) << k;
        EXPECT_EQ(b.sheetRules[k].x1, b.sheetCaptions[0].rect.left) << k;
    }
    EXPECT_EQ(b.sheetCaptions[14].rect.top, b.sheetCaptions[6].rect.top + 16);
    EXPECT_EQ(b.sheetCaptions[7].rect.top, b.sheetCaptions[14].rect.top + 16);
    EXPECT_EQ(b.sheetRules[13].y2, b.sheetCaptions[13].rect.top + b.sheetCaptions[13].rect.height - 1);
    for (int r = 1; r <= 14; ++r) {
        EXPECT_GE(b.sheetCaptions[r].rect.top, b.sheetCaptions[0].rect.top) << r;
        EXPECT_LE(b.sheetCaptions[r].rect.top + b.sheetCaptions[r].rect.height, b.sheetCaptions[0].rect.top + b.sheetCaptions[0].rect.height) << r;
        if (r <= 13) {
            EXPECT_EQ(b.sheetCaptions[r].backcolor, colour::highlight) << r;
        }
    }
    for (int i = 1; i <= 8; ++i) {
        const Rect& r = b.sidePanel[i].rect;
        EXPECT_GE(r.left, b.sidePanel[0].rect.left) << i;
        EXPECT_LE(r.top + r.height, b.sidePanel[0].rect.top + b.sidePanel[0].rect.height) << i;
    }
}

}  // namespace
}  // namespace yacht
