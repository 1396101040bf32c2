#include <gtest/gtest.h>

#include "engine/key_actions.h"
#include "engine/key_codes.h"
#include "engine/turn_flow.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

// A key as the tick hands it on: through the key map, in the state the game is in.
Action press(const Game& g, int code)
{
    return actionFor(Key{code, 0}, g);
}

// A game of n players with the given totals on the sheet, between turns.
void seat(FakeGame& f, std::initializer_list<int> totals)
{
    Game& g = f.y.game;
    g.numPlayers = static_cast<int16_t>(totals.size());
    int p = 1;
    for (int t : totals) g.scores[kTotalRow][p++] = t;
    g.state = EngineState::TurnEnd;
    f.y.toBeHeard.clear();
}

}  // namespace

TEST(ChoosingPlayers, KeysSetTheCountAnnounceItAndHighlightItsRow)
{
    struct Case {
        const char* what;
        std::vector<int> keys;
        int count;
        std::string said;
        EngineState state;
    };
    const Case cases[] = {
        {"enter first starts one player, silently", {keys::Enter}, 1, "", EngineState::TurnEnd},
        {"up first gives one", {keys::Up}, 1, "1 player", EngineState::Players},
        {"left stays at one", {keys::Left, keys::Left, keys::Left}, 1, "1 player",
         EngineState::Players},
        {"down first gives one", {keys::Down}, 1, "1 player", EngineState::Players},
        {"right steps up", {keys::Right, keys::Right, keys::Right}, 3, "3 players",
         EngineState::Players},
        {"arrows stop at six", {40, 40, 40, 40, 40, 40, 40, 40, 39}, 6, "6 players",
         EngineState::Players},
        {"arrows then enter keep the count", {keys::Down, keys::Down, keys::Enter}, 2, "",
         EngineState::TurnEnd},
        {"digit 7 starts at once", {keys::Digit0 + 7}, 7, "7 players", EngineState::TurnEnd},
        {"digit 8 starts at once", {keys::Down, keys::Digit0 + 8}, 8, "8 players",
         EngineState::TurnEnd},
        {"digit 2 after arrows", {keys::Down, keys::Down, keys::Down, keys::Digit0 + 2}, 2,
         "2 players", EngineState::TurnEnd},
        {"digit 9 only repeats", {keys::Down, keys::Down, keys::Digit0 + 9}, 2, "2 players",
         EngineState::Players},
        {"digit 0 only repeats", {keys::Digit0}, 1, "1 player", EngineState::Players},
        {"keypad 3 only repeats", {keys::Keypad0 + 3}, 1, "1 player", EngineState::Players},
        {"a function key announces too", {keys::Down, keys::Down, keys::F2}, 2, "2 players",
         EngineState::Players},
    };
    for (const Case& c : cases) {
        FakeGame f;
        Game& g = f.y.game;
        g.state = EngineState::Players;
        g.numPlayers = 0;
        for (int code : c.keys) {
            f.y.toBeHeard.clear();  // as the tick's key intake does
            choosePlayerCount(f.y.game, f.y.tell, press(f.y.game, code));
        }
        EXPECT_EQ(g.numPlayers, c.count) << c.what;
        EXPECT_EQ(f.y.toBeHeard, queued(c.said)) << c.what;
        EXPECT_EQ(g.state, c.state) << c.what;
        for (int row = 1; row <= 8; ++row) {
            const auto expected = row == c.count ? BackStyle::Opaque : BackStyle::Transparent;
            EXPECT_EQ(f.shown().sheetCaptions[row].backstyle, expected) << c.what << " row " << row;
        }
    }
}

TEST(TurnEnd, FirstTurnOfTheGameWaitsToBegin)
{
    FakeGame f;
    seat(f, {0, 0});
    Game& g = f.y.game;
    g.player = 0;
    g.round = 1;
    g.held = {1, 0, 1, 0, 0};
    g.dice = {2, 0, 5, 4, 0};

    EXPECT_EQ(passOrOpenTurn(f.y.game, f.y.tell, Action{}), Flow::EndTick);
    EXPECT_EQ(g.player, 1);
    EXPECT_EQ(g.round, 1);
    EXPECT_EQ(g.state, EngineState::WaitSpace);
    EXPECT_EQ(f.y.toBeHeard, queued(" Press the space bar to begin"));
    EXPECT_EQ(f.dice(), "?????");
    for (int die = 0; die < kDice; ++die) {
        EXPECT_EQ(g.held[die], 0);
        EXPECT_EQ(f.shown().holdMarks[die].caption, "");
    }
}

TEST(TurnEnd, RoundZeroIsTakenAsRoundOne)
{
    FakeGame f;
    seat(f, {0});
    f.y.game.round = 0;
    f.y.game.player = 0;
    passOrOpenTurn(f.y.game, f.y.tell, Action{});
    EXPECT_EQ(f.y.game.round, 1);
    EXPECT_EQ(f.y.toBeHeard, queued(" Press the space bar to begin"));
}

TEST(TurnEnd, NextPlayerOfTheSameRoundWaitsToContinue)
{
    FakeGame f;
    seat(f, {10, 20, 30});
    Game& g = f.y.game;
    g.player = 1;
    g.round = 3;
    passOrOpenTurn(f.y.game, f.y.tell, Action{});
    EXPECT_EQ(g.player, 2);
    EXPECT_EQ(g.round, 3);
    EXPECT_EQ(f.y.toBeHeard, queued(" Press the space bar to continue"));
}

TEST(TurnEnd, LastPlayerOfARoundHearsTheTotalsJoinedToTheWait)
{
    FakeGame f;
    seat(f, {100, 90, 80});
    Game& g = f.y.game;
    g.scores[kTotalRow][2].reset();  // a total never written reads as nothing
    g.player = 3;
    g.round = 1;
    passOrOpenTurn(f.y.game, f.y.tell, Action{});
    EXPECT_EQ(g.player, 1);
    EXPECT_EQ(g.round, 2);
    EXPECT_EQ(g.state, EngineState::WaitSpace);
    EXPECT_EQ(f.y.toBeHeard, queued("At the end of the round, the scores are player 1 100, player 2 , "
                        "player 3 80,  Press the space bar to continue"));
}

TEST(TurnEnd, OnePlayerHearsNoRoundSummary)
{
    FakeGame f;
    seat(f, {77});
    Game& g = f.y.game;
    g.player = 1;
    g.round = 5;
    passOrOpenTurn(f.y.game, f.y.tell, Action{});
    EXPECT_EQ(g.round, 6);
    EXPECT_EQ(g.player, 1);
    EXPECT_EQ(f.y.toBeHeard, queued(" Press the space bar to continue"));
}

TEST(GameOver, AfterTheLastRoundTheGameEndsWithTheRightSentence)
{
    const std::string tail =
        " Press function key F 9 to start a new game or function key F 1 for help. ";
    struct Case {
        std::vector<int> totals;
        std::string said;
    };
    const std::vector<Case> cases = {
        {{231}, "game over, you scored 231"},
        {{120, 187}, "Game over. The winner is player 2 with a score of 187"},
        {{180, 150, 180},
         "Game over. We have a 2 way tie. The joint winners are player 1 and player 3 with a "
         "score of 180"},
        {{0, 0, 0},
         "Game over. We have a 3 way tie. The joint winners are player 1 and player 2 and "
         "player 3 with a score of 0"},
        {{5, 9, 9, 1, 9, 2, 3, 4},
         "Game over. We have a 3 way tie. The joint winners are player 2 and player 3 and "
         "player 5 with a score of 9"},
    };
    for (const Case& c : cases) {
        FakeGame f;
        Game& g = f.y.game;
        g.numPlayers = static_cast<int16_t>(c.totals.size());
        for (std::size_t p = 0; p < c.totals.size(); ++p)
            g.scores[kTotalRow][p + 1] = c.totals[p];
        g.state = EngineState::TurnEnd;
        g.player = g.numPlayers;
        g.round = 13;
        g.roll = 0;

        EXPECT_EQ(passOrOpenTurn(f.y.game, f.y.tell, Action{}), Flow::EndTick);
        EXPECT_EQ(f.y.toBeHeard, queued(c.said + tail));
        EXPECT_EQ(g.state, EngineState::Idle);
        EXPECT_EQ(g.round, 0);
        EXPECT_EQ(g.roll, 0);
        EXPECT_EQ(g.scores[kTotalRow][1], c.totals[0]) << "scores stay for the reports";
    }
}

TEST(WaitSpace, KeysOtherThanTheSpaceBarDoNothing)
{
    FakeGame f;
    Game& g = f.y.game;
    g.state = EngineState::WaitSpace;
    g.numPlayers = 2;
    g.player = 2;
    g.round = 4;
    for (int code : {0, int(keys::Enter), int(keys::Right), int('A'), int(keys::F3)}) {
        EXPECT_EQ(passOrOpenTurn(f.y.game, f.y.tell, press(f.y.game, code)), Flow::EndTick);
        EXPECT_EQ(g.state, EngineState::WaitSpace);
        EXPECT_EQ(f.y.toBeHeard, queued(""));
    }
}

TEST(WaitSpace, SpaceBarOpensTheTurnWithItsAnnouncement)
{
    struct Case {
        int players;
        int player;
        std::string said;
    };
    const Case cases[] = {
        {1, 1, "\tround 5 first roll\trolldice"},
        {3, 1, "\tround 5 player 1 first roll\trolldice"},
        {3, 2, " player 2 first roll\trolldice"},
        {8, 8, " player 8 first roll\trolldice"},
    };
    for (const Case& c : cases) {
        FakeGame f;
        Game& g = f.y.game;
        g.state = EngineState::WaitSpace;
        g.numPlayers = static_cast<int16_t>(c.players);
        g.player = static_cast<int16_t>(c.player);
        g.round = 5;
        g.roll = 0;
        g.scores[1][c.player] = 3;
        g.scores[9][c.player] = 0;
        g.scores[12][c.player] = 22;
        g.scores[4][c.player == 1 ? 2 : 1] = 12;  // another player's card was on show
        f.view.sheet = Sheet::Card;
        f.view.cardPlayer = static_cast<int16_t>(c.player == 1 ? 2 : 1);

        EXPECT_EQ(passOrOpenTurn(f.y.game, f.y.tell, press(f.y.game, keys::Space)), Flow::Continue) << c.said;
        EXPECT_EQ(f.y.toBeHeard, queued(c.said));
        EXPECT_EQ(g.state, EngineState::Rolling);
        EXPECT_EQ(g.roll, 1);
        EXPECT_EQ(f.shown().sheetValues[1].caption, "3");
        EXPECT_EQ(f.shown().sheetValues[4].caption, "");
        EXPECT_EQ(f.shown().sheetValues[9].caption, "0");
        EXPECT_EQ(f.shown().sheetValues[12].caption, "22");
    }
}

TEST(WaitSpace, SpaceBarAfterTheLastRoundEndsTheGame)
{
    FakeGame f;
    Game& g = f.y.game;
    g.state = EngineState::WaitSpace;
    g.numPlayers = 1;
    g.player = 1;
    g.round = 14;
    g.scores[kTotalRow][1] = 199;
    EXPECT_EQ(passOrOpenTurn(f.y.game, f.y.tell, press(f.y.game, keys::Space)), Flow::EndTick);
    EXPECT_EQ(g.state, EngineState::Idle);
    EXPECT_EQ(f.y.toBeHeard, queued("game over, you scored 199 Press function key F 9 to start a new game or "
                        "function key F 1 for help. "));
}

}  // namespace yacht::test
