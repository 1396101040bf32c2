#include <gtest/gtest.h>

#include "engine/key_codes.h"
#include "engine/score_sheet.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

const char* const kQuestion = "Do you really want to start a new game? Press the enter key to "
                              "confirm or the escape key to cancel";
const char* const kInstruction =
    "Choose the number of players using the arrow keys, then press the enter key to begin";

// A second player's turn in round 4, between the first and second throw, one die held.
void setUpMidTurn(FakeGame& f)
{
    Game& g = f.y.game;
    g.state = EngineState::Rolled;
    g.numPlayers = 2;
    g.player = 2;
    g.round = 4;
    g.roll = 2;
    g.diceCursor = 3;
    g.held = {0, 0, 1, 0, 0};
    g.dice = {6, 2, 5, 5, 1};
    for (int p = 1; p <= 2; ++p) {
        g.scores[1][p] = 2;
        g.scores[9][p] = 25;
        g.scores[kTotalRow][p] = 27;
        g.scores[kBonusRow][p] = 100;
    }
    // The card on show is player 2's, its side total as last drawn.
    f.view = ViewFacts{.sheet = Sheet::Card, .cardPlayer = 2, .cardDrawn = true, .litDie = 3,
                         .sideTotal = 27, .started = true};
}

}  // namespace

TEST(NewGame, WithNoGameRunningF9GoesStraightToTheChoice)
{
    FakeGame f;
    Game& g = f.y.game;
    g.state = EngineState::Idle;
    g.numPlayers = 3;
    g.round = 0;
    g.scores[5][3] = 15;
    g.scores[kTotalRow][8] = 240;
    g.scores[kBonusRow][1] = 200;
    g.scores[4][0] = 7;  // column 0 is no player's
    g.held = {1, 1, 0, 0, 0};
    g.dice = {3, 3, 0, 0, 0};
    g.scores[7][3] = 17;
    g.player = 3;
    showCard(g, f.y.tell);  // player 3's card, its third row lit
    f.view.litRow = 3;

    f.press(keys::F9);
    const Board b = f.shown();

    EXPECT_TRUE(f.toolkit.questions.empty());
    EXPECT_TRUE(f.voice.spoken.empty()) << "F9 ends the tick before the pump";
    EXPECT_EQ(f.y.toBeHeard, queued(kInstruction));
    EXPECT_EQ(g.state, EngineState::Players);
    EXPECT_EQ(g.numPlayers, 0);
    EXPECT_EQ(g.player, 0);
    EXPECT_EQ(g.round, 1);
    EXPECT_EQ(f.dice(), "?????");
    for (int die = 0; die < kDice; ++die) {
        EXPECT_EQ(g.held[die], 0);
        EXPECT_EQ(f.shown().holdMarks[die].caption, "");
    }
    for (int row = 0; row <= kBonusRow; ++row)
        for (int p = 1; p <= kMaxPlayers; ++p) EXPECT_EQ(g.scores[row][p], std::nullopt) << row << "," << p;
    EXPECT_EQ(g.scores[4][0], 7);

    EXPECT_EQ(b.sheetValues[0].caption, "Choose players");
    const char* rows[] = {"",          "  1 player", "  2 players", "  3 players",
                          "  4 players", "  5 players", "  6 players"};
    for (int row = 1; row <= kCategories; ++row) {
        EXPECT_EQ(b.sheetCaptions[row].caption, row <= 6 ? rows[row] : "") << row;
        EXPECT_EQ(b.sheetValues[row].caption, "") << row;
        EXPECT_EQ(b.sheetCaptions[row].backstyle, BackStyle::Transparent) << row;
    }
    EXPECT_FALSE(b.sheetValues[14].visible);
    EXPECT_FALSE(b.bonusPlaque.visible);
    EXPECT_TRUE(b.statusBox.visible);
    EXPECT_EQ(b.sidePanel[2].caption, "0");
}

TEST(NewGame, ConfirmedDuringATurnClearsTheGame)
{
    FakeGame f;
    setUpMidTurn(f);
    f.toolkit.answers = {Answer::Ok};

    f.press(keys::F9);

    const Game& g = f.y.game;
    EXPECT_EQ(f.voice.texts(), std::vector<std::string>{kQuestion});
    EXPECT_EQ(g.state, EngineState::Players);
    EXPECT_EQ(f.y.toBeHeard, queued(kInstruction));
    EXPECT_EQ(f.dice(), "?????");
    EXPECT_EQ(f.shown().holdMarks[2].caption, "");
    EXPECT_EQ(g.held[2], 0);
    EXPECT_EQ(g.scores[kBonusRow][2], std::nullopt);
    EXPECT_EQ(g.scores[kTotalRow][1], std::nullopt);
    EXPECT_EQ(f.shown().sheetValues[9].caption, "");
    EXPECT_EQ(f.shown().sidePanel[2].caption, "0");
}

TEST(NewGame, TheLastGamesSumsAreNotReportedInTheNewOne)
{
    FakeGame f;
    Game& g = f.y.game;
    g.state = EngineState::Idle;
    g.numPlayers = 1;
    g.player = 1;
    g.total = 251;
    g.subtotal = 70;
    f.press(keys::F9);
    f.press(keys::Enter);
    f.tick();
    ASSERT_EQ(g.state, EngineState::WaitSpace);
    EXPECT_EQ(g.total, 0);
    EXPECT_EQ(g.subtotal, 0);
    f.voice.spoken.clear();
    f.press(keys::F4);
    EXPECT_EQ(f.voice.last(), "At the end of the round your score is 0 and your sub total is 0");
}

TEST(NewGame, WhileChoosingPlayersF9AsksAgain)
{
    FakeGame f;
    f.press(keys::F9);
    f.press(keys::Down);
    ASSERT_EQ(f.y.game.state, EngineState::Players);
    ASSERT_EQ(f.y.game.numPlayers, 1);

    f.press(keys::F9);  // no scripted answer: the box was closed, which counts as cancel
    EXPECT_EQ(f.toolkit.questions.size(), 1u);
    EXPECT_EQ(f.voice.last(), "cancelled");
    EXPECT_EQ(f.y.game.numPlayers, 1);
    EXPECT_EQ(f.y.game.state, EngineState::Players);
}

}  // namespace yacht::test
