#include <gtest/gtest.h>

#include "engine/key_codes.h"
#include "engine/new_game.h"
#include "engine/score_sheet.h"
#include "engine/turn_flow.h"
#include "persist/saved_game_support.h"
#include "screen/present.h"
#include "screen/review_texts.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

// The dice row as drawn: each die's caption, then its HOLD mark, side by side.
std::string drawn(const Board& b)
{
    std::string out;
    for (int i = 0; i < kDice; ++i) out += b.dice[i].caption + "/" + b.holdMarks[i].caption + " ";
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
            b.holdMarks[i].caption = "HOLD";
        }
        present(g, ViewFacts{}, b);
        EXPECT_EQ(drawn(b), c.want) << c.name;
        EXPECT_EQ(facesOf(g)[1], c.dice[1]) << c.name;
    }
}

// What the sheet and the side panel show after a sequence of the game's own steps.
struct SheetView {
    std::string heading, title, side, subtotalCaption, subtotal;
    bool subtotalShown;
    std::string row1, value1;
    int lit;
};

SheetView sheetView(const Board& b)
{
    int lit = 0;
    for (int r = 1; r <= kCategories; ++r)
        if (b.sheetCaptions[r].backstyle == BackStyle::Opaque) lit = lit ? -1 : r;
    return {b.sheetValues[0].caption,  b.sidePanel[1].caption, b.sidePanel[2].caption, b.sheetCaptions[14].caption,
            b.sheetValues[14].caption, b.sheetValues[14].visible,      b.sheetCaptions[1].caption,       b.sheetValues[1].caption, lit};
}

// Two players, player 1 current: player 1 has Ones 3 and Sixes 30, player 2 Ones 4 and a Yacht.
void setup(Game& g)
{
    g.numPlayers = 2;
    g.scores[1][1] = 3;
    g.scores[6][1] = 30;
    g.scores[1][2] = 4;
    g.scores[kYachtRow][2] = 50;
    g.player = 1;
}

TEST(Present, TheSheetKeepsWhatEachStepLeavesOnIt)
{
    struct Case {
        const char* name;
        void (*steps)(Game&, Teller&, ViewFacts&);
        SheetView want;
    };
    const Case cases[] = {
        {"as designed", [](Game&, Teller&, ViewFacts&) {}, {"Score Sheet", "Yacht", "", "", "", true, "", "", 0}},
        {"after start-up", [](Game&, Teller&, ViewFacts& v) { v.started = true; },
         {"Score Sheet", "YACHT", "", "", "", true, "", "", 0}},
        {"a card", [](Game& g, Teller& t, ViewFacts& v) { setup(g), v.started = true, showCard(g, t); },
         {"Score Sheet", "Player 1", "33", "Subtotal: ", "33", true, "  Ones", "3", 0}},
        {"the card stays while the next player waits",
         [](Game& g, Teller& t, ViewFacts&) { setup(g), showCard(g, t), g.player = 2; },
         {"Score Sheet", "Player 1", "33", "Subtotal: ", "33", true, "  Ones", "3", 0}},
        {"the scoreboard keeps the card's heading, caption and title",
         [](Game& g, Teller& t, ViewFacts&) { setup(g), showCard(g, t), g.player = 2, showCard(g, t), showScoreboard(t); },
         {"Score Sheet", "Player 2", "54", "Subtotal: ", "4", false, "  Player 1", "33", 0}},
        {"the choice of players after a card keeps its caption and title",
         [](Game& g, Teller& t, ViewFacts& v) { setup(g), showCard(g, t), showPlayerCounts(t), v.sideTotal = 0; },
         {"Choose players", "Player 1", "0", "Subtotal: ", "33", false, "  1 player", "", 0}},
        {"the choice before any card", [](Game&, Teller& t, ViewFacts& v) { v.started = true, showPlayerCounts(t); },
         {"Choose players", "YACHT", "", "", "", false, "  1 player", "", 0}},
        {"digit 7 lights the empty seventh row",
         [](Game& g, Teller& t, ViewFacts&) {
             showPlayerCounts(t), choosePlayerCount(g, t, Action::of(ActionKind::PlayerCount, 7));
         },
         {"Choose players", "Yacht", "", "", "", false, "  1 player", "", 7}},
        {"a player outside the table draws a blank card",
         [](Game& g, Teller& t, ViewFacts&) { setup(g), g.player = 9, showCard(g, t); },
         {"Score Sheet", "Player 9", "0", "Subtotal: ", "0", true, "  Ones", "", 0}},
    };
    for (const Case& c : cases) {
        Game g;
        ViewFacts v;
        ViewKeeper shown{test::narrator(), v};
        SpeechQueue heard;
        Teller tell{shown, heard};
        c.steps(g, tell, v);
        Board b = designBoard();
        present(g, v, b);
        const SheetView got = sheetView(b);
        const SheetView& w = c.want;
        EXPECT_EQ(got.heading, w.heading) << c.name;
        EXPECT_EQ(got.title, w.title) << c.name;
        EXPECT_EQ(got.side, w.side) << c.name;
        EXPECT_EQ(got.subtotalCaption, w.subtotalCaption) << c.name;
        if (w.subtotalShown) {
            EXPECT_EQ(got.subtotal, w.subtotal) << c.name;
        }
        EXPECT_EQ(got.subtotalShown, w.subtotalShown) << c.name;
        EXPECT_EQ(got.row1, w.row1) << c.name;
        EXPECT_EQ(got.value1, w.value1) << c.name;
        EXPECT_EQ(got.lit, w.lit) << c.name;
        EXPECT_FALSE(b.bonusPlaque.visible) << c.name;
    }
}

TEST(Present, OnlyTheDiceCursorLightsADieAndAThrowPutsItOut)
{
    FakeGame f;
    Game& g = f.y.game;
    g.state = EngineState::Rolled;
    g.roll = 1;
    g.dice = {1, 2, 3, 4, 5};
    g.diceCursor = 3;  // as a resumed game has it: no die is lit
    const auto red = [&f] {
        std::string out;
        for (const Label& die : f.shown().dice) out += die.backcolor == colour::red ? 'R' : '.';
        return out;
    };
    EXPECT_EQ(red(), ".....");
    f.press(keys::Right);
    EXPECT_EQ(red(), "...R.");
    f.press(keys::Right);
    f.press(keys::Right);
    EXPECT_EQ(red(), "R....");
    f.random.push({1, 1, 2, 3, 4});
    f.press(keys::Space);
    f.settle();
    ASSERT_EQ(f.dice(), "11234");
    EXPECT_EQ(red(), ".....");
}

TEST(Present, DrawsTheSameBoardWhateverTheBoardShowedBefore)
{
    FakeGame f;
    f.y.game.numPlayers = 1;
    f.y.game.player = 1;
    f.y.game.scores[3][1] = 9;
    showCard(f.y.game, f.y.tell);
    f.view.litRow = 5;
    // Everything the game decides, left wrong by some earlier drawing.
    Board stale = designBoard();
    for (Label* l : {&stale.statusBox, &stale.sheetValues[0], &stale.sheetCaptions[14], &stale.sidePanel[1], &stale.sidePanel[2]})
        l->caption = "stale";
    for (Label* l : {&stale.sheetValues[3], &stale.sheetValues[14], &stale.sheetCaptions[2], &stale.sheetCaptions[13]}) {
        l->caption = "stale";
        l->visible = false;
    }
    stale.sheetCaptions[2].backstyle = BackStyle::Opaque;
    stale.bonusPlaque.visible = true;
    stale.dice[0].backcolor = colour::red;
    present(f.y.game, f.view, stale);
    expectSameBoard(stale, f.shown());
}

TEST(Taken, IsTheCurrentPlayersFilledCellAndAScoredNoughtCounts)
{
    Game g;
    g.numPlayers = 2;
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

namespace yacht::test {
namespace {

// What the screen reader's review finds beside the board: the turn, the row under the cursor
// with its worth (or its score once taken), the current player's total.
TEST(ReviewTexts, SayWhoseTurnTheRowUnderTheCursorAndTheScore)
{
    struct Case {
        const char* name;
        EngineState state;
        int16_t roll;
        int16_t cursor;
        bool takenTwos;
        ReviewTexts want;
    };
    const Case cases[] = {
        {"no game", EngineState::Idle, 0, 0, false, {"no game under way", "", ""}},
        {"choosing players", EngineState::Players, 0, 0, false, {"choosing the players", "", ""}},
        {"held dice", EngineState::Rolled, 2, 0, false,
         {"player 2, round 3, second roll", "", "player 2, total score 45"}},
        {"a free row", EngineState::Choosing, 3, 2, false,
         {"player 2, round 3, final roll", "Twos, worth 6", "player 2, total score 45"}},
        {"a taken row", EngineState::Choosing, 3, 2, true,
         {"player 2, round 3, final roll", "Twos, taken, 4", "player 2, total score 45"}},
    };
    for (const Case& c : cases) {
        Game g;
        g.state = c.state;
        g.player = 2;
        g.round = 3;
        g.roll = c.roll;
        g.categoryCursor = c.cursor;
        g.categoryValues[2] = 6;
        g.scores[0][2] = 45;
        if (c.takenTwos) g.scores[2][2] = 4;
        const ReviewTexts got = reviewTexts(g);
        EXPECT_EQ(got.turn, c.want.turn) << c.name;
        EXPECT_EQ(got.row, c.want.row) << c.name;
        EXPECT_EQ(got.score, c.want.score) << c.name;
    }
}

}  // namespace
}  // namespace yacht::test
