#include <gtest/gtest.h>

#include <vector>

#include "engine/score_sheet.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

// Writes a player's column from row 1 on ("" leaves a row untaken) and the bonus row.
void fillColumn(Game& g, int p, const std::vector<ScoreCell>& rows, ScoreCell bonus = {})
{
    int r = 1;
    for (ScoreCell cell : rows) g.scores[r++][p] = cell;
    g.scores[kBonusRow][p] = bonus;
}

}  // namespace

TEST(ShowCard, FreshPlayerGetsABlankCardWithNothingEarned)
{
    FakeGame f;
    Game& g = f.y.game;
    g.player = 1;
    f.view.litRow = 4;
    showCard(g, f.y.tell);
    const Board b = f.shown();

    EXPECT_EQ(g.total, 0);
    EXPECT_EQ(g.subtotal, 0);
    EXPECT_FALSE(b.bonusPlaque.visible);
    EXPECT_EQ(g.scores[kTotalRow][1], 0);
    EXPECT_EQ(b.sheetValues[0].caption, "Score Sheet");
    EXPECT_EQ(b.sheetCaptions[1].caption, "  Ones");
    EXPECT_EQ(b.sheetCaptions[13].caption, "  Yacht");
    for (int r = 1; r <= 13; ++r) {
        EXPECT_EQ(b.sheetValues[r].caption, "");
        EXPECT_EQ(b.sheetCaptions[r].backstyle, BackStyle::Transparent);
        EXPECT_TRUE(b.sheetCaptions[r].visible && b.sheetValues[r].visible);
    }
    EXPECT_EQ(b.sheetCaptions[14].caption, "Subtotal: ");
    EXPECT_EQ(b.sheetValues[14].caption, "0");
    EXPECT_EQ(b.sidePanel[1].caption, "Player 1");
    EXPECT_EQ(b.sidePanel[2].caption, "0");
}

TEST(ShowCard, TotalsTheUpperBonusAndTheYachtBonusesAsTheCardShows)
{
    struct Case {
        const char* name;
        std::vector<ScoreCell> rows;
        ScoreCell bonus;
        int subtotal;
        int total;
        bool plaque;
    };
    const Case cases[] = {
        {"upper 63 earns 35", {3, 6, 9, 12, 15, 18}, {}, 63, 98, true},
        {"upper 62 earns nothing", {2, 6, 9, 12, 15, 18}, {}, 62, 62, false},
        {"lower rows add to the total only",
         {{}, {}, {}, {}, {}, {}, 17, 0, 25, 30, 40, 22, 50}, {}, 0, 184, false},
        {"bonus row adds to the total only",
         {{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, 50}, 100, 0, 150, false},
        {"a full card", {4, 8, 12, 16, 20, 24, 28, 30, 25, 30, 40, 23, 50}, 200, 84, 545, true},
    };
    for (const Case& c : cases) {
        FakeGame f;
        Game& g = f.y.game;
        g.player = 3;
        fillColumn(g, 3, c.rows, c.bonus);
        fillColumn(g, 2, {5, 10}, 300);  // another player's column is not this card
        showCard(f.y.game, f.y.tell);
        EXPECT_EQ(g.subtotal, c.subtotal) << c.name;
        EXPECT_EQ(g.total, c.total) << c.name;
        EXPECT_EQ(f.shown().bonusPlaque.visible, c.plaque) << c.name;
        EXPECT_EQ(g.scores[kTotalRow][3], c.total) << c.name;
        EXPECT_EQ(f.shown().sheetValues[14].caption, decimal(c.subtotal)) << c.name;
        EXPECT_EQ(f.shown().sidePanel[1].caption, "Player 3") << c.name;
        EXPECT_EQ(f.shown().sidePanel[2].caption, decimal(c.total)) << c.name;
        // Drawing the card again changes nothing.
        showCard(g, f.y.tell);
        EXPECT_EQ(g.total, c.total) << c.name;
        EXPECT_EQ(g.scores[kTotalRow][3], c.total) << c.name;
    }
}

TEST(Scoreboard, ShowsEachPlayersLastRecordedTotalAndBlanksTheRest)
{
    for (int players : {3, 8}) {
        FakeGame f;
        Game& g = f.y.game;
        g.numPlayers = int16_t(players);
        for (int p = 1; p <= players; ++p) g.scores[kTotalRow][p] = p * 10;
        g.scores[kTotalRow][2].reset();  // a player whose card was never drawn
        g.player = 1;
        fillColumn(g, 1, {3, 6, 9, 12, 15, 18});  // a card with the plaque
        showCard(g, f.y.tell);  // the card first, as in play; it rewrites player 1's total
        f.view.litRow = 5;
        showScoreboard(f.y.tell);
        const Board b = f.shown();

        for (int r = 1; r <= 13; ++r) {
            const bool filled = r <= players;
            EXPECT_EQ(b.sheetCaptions[r].caption, filled ? "  Player " + decimal(r) : "") << players << r;
            EXPECT_EQ(b.sheetCaptions[r].backstyle, BackStyle::Transparent);
        }
        EXPECT_EQ(b.sheetValues[1].caption, "98");
        EXPECT_EQ(b.sheetValues[2].caption, "");
        EXPECT_EQ(b.sheetValues[3].caption, "30");
        EXPECT_EQ(b.sheetValues[players].caption, players == 2 ? "" : decimal(players * 10));
        EXPECT_EQ(b.sheetValues[players + 1].caption, "");
        EXPECT_FALSE(b.sheetValues[14].visible);
        EXPECT_FALSE(b.bonusPlaque.visible);
        // Left as the card had them.
        EXPECT_EQ(b.sheetValues[0].caption, "Score Sheet");
        EXPECT_EQ(b.sheetCaptions[14].caption, "Subtotal: ");
        EXPECT_EQ(b.sidePanel[1].caption, "Player 1");
    }
}

TEST(Scoreboard, MoreRowsThanScoreColumnsStayBlank)
{
    FakeGame f;
    f.y.game.numPlayers = 13;  // never in play; the table has eight columns
    showScoreboard(f.y.tell);
    const Board b = f.shown();
    EXPECT_EQ(b.sheetCaptions[8].caption, "  Player 8");
    EXPECT_EQ(b.sheetCaptions[9].caption, "");
    EXPECT_EQ(b.sheetValues[13].caption, "");
}

}  // namespace yacht::test
