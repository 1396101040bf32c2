#include <gtest/gtest.h>

#include "screen/present.h"

namespace yacht::test {
namespace {

// The dice row as drawn: each die's caption, then its HOLD mark, side by side.
std::string drawn(const Board& b)
{
    std::string out;
    for (int i = 0; i < kDice; ++i) out += b.dice[i].caption + "/" + b.H[i].caption + " ";
    return out;
}

TEST(Present, DrawsTheDiceAndHoldMarksFromTheGameOverWhateverWasShown)
{
    struct Case {
        const char* name;
        std::array<int16_t, kDice> dice;
        std::array<int16_t, kDice> held;
        const char* want;
    };
    const Case cases[] = {
        {"before any throw", {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, "?/ ?/ ?/ ?/ ?/ "},
        {"first throw", {1, 6, 3, 3, 5}, {0, 0, 0, 0, 0}, "1/ 6/ 3/ 3/ 5/ "},
        {"two held, three to throw", {4, 0, 4, 0, 0}, {1, 0, 1, 0, 0}, "4/HOLD ?/ 4/HOLD ?/ ?/ "},
        {"all held", {2, 2, 2, 2, 2}, {1, 1, 1, 1, 1}, "2/HOLD 2/HOLD 2/HOLD 2/HOLD 2/HOLD "},
    };
    for (const Case& c : cases) {
        Game g;
        g.dice = c.dice;
        g.held = c.held;
        Board b = designBoard();
        for (int i = 0; i < kDice; ++i) {
            b.dice[i].caption = "stale";
            b.H[i].caption = "HOLD";
        }
        present(g, b);
        EXPECT_EQ(drawn(b), c.want) << c.name;
        EXPECT_EQ(facesOf(g)[1], c.dice[1]) << c.name;
    }
}

TEST(Present, LeavesEverythingButTheDiceRowAsTheSheetDrewIt)
{
    Game g;
    g.dice = {5, 5, 5, 5, 5};
    Board b = designBoard();
    b.x[13].caption = "50";
    b.Label3.caption = "Select category";
    b.dice[2].backcolor = colour::red;
    present(g, b);
    EXPECT_EQ(b.x[13].caption, "50");
    EXPECT_EQ(b.Label3.caption, "Select category");
    EXPECT_EQ(b.dice[2].backcolor, colour::red);
}

TEST(Taken, IsTheCurrentPlayersFilledCellAndAScoredNoughtCounts)
{
    Game g;
    g.numplayers = 2;
    g.player = 2;
    g.scores[4][2] = 0;    // Fours scored for nothing is still used up
    g.scores[9][2] = 25;
    g.scores[12][1] = 22;  // another player's Chance
    EXPECT_TRUE(taken(g, 4));
    EXPECT_TRUE(taken(g, 9));
    EXPECT_FALSE(taken(g, 12));
    EXPECT_FALSE(taken(g, 0));
    EXPECT_FALSE(taken(g, 14));
    g.player = 0;  // between the choice of players and the first turn
    EXPECT_FALSE(taken(g, 4));
}

}  // namespace
}  // namespace yacht::test
