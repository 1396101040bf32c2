// The coach: what H says at each moment of a person's turn, that it changes nothing, and the
// tally of what a person's choices cost, told by F4 after the game.

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "engine/coach.h"
#include "engine/key_codes.h"
#include "rules/reports.h"
#include "support/fakes.h"
#include "support/solver_table.h"
#include "support/turn_script.h"

namespace yacht::test {
namespace {

constexpr int kH = 'H';

struct Coached {
    FakeGame f;
    HeldTableSource table;
    Coached() { f.y.advisor.source = &table; }

    // A person's turn of a one-player game with these dice after this throw (state rolled, or
    // choosing after the third), and these categories already scored.
    void lay(const std::string& dice, int roll, std::initializer_list<std::pair<int, int>> scored = {})
    {
        for (const auto& [c, points] : scored) f.y.game.scores[c][1] = decimal(points);
        waitForTurn(f);
        Game& g = f.y.game;
        g.roll = static_cast<int16_t>(roll);
        g.state = roll == 3 ? EngineState::Choosing : EngineState::Rolled;
        for (int i = 0; i < kDice; ++i) f.y.board.dice[i].caption = dice.substr(i, 1);
    }
    std::string ask()
    {
        f.press(kH);
        return f.voice.last();
    }
};

TEST(Coach, SaysTheBestMoveForTheTurnAsItStands)
{
    struct Case {
        const char* dice;
        int roll;
        int cursor;
        const char* said;  // a pattern
    };
    const Case cases[] = {
        {"44412", 1, 0, "keep 4 4 4, then throw"},
        {"21434", 2, 0, "score Small straight for 30|keep [1-6 ]+, then throw"},
        {"23456", 2, 0, "score Large straight for 40"},
        {"66666", 3, 0, "score Yacht for 50"},
        {"12345", 3, 12, "score Large straight for 40, Chance costs [0-9]+\\.[0-9] points"},
        {"12345", 3, 11, "score Large straight for 40"},
    };
    for (const Case& c : cases) {
        Coached t;
        t.lay(c.dice, c.roll);
        t.f.y.game.catcursor = static_cast<int16_t>(c.cursor);
        const Game before = t.f.y.game;
        const std::string said = t.ask();
        EXPECT_TRUE(std::regex_match(said, std::regex(c.said))) << c.dice << " roll " << c.roll << ": " << said;
        const Game& after = t.f.y.game;
        EXPECT_EQ(after.state, before.state) << "the coach never changes the game";
        EXPECT_EQ(after.catcursor, before.catcursor);
        EXPECT_EQ(after.held, before.held);
        EXPECT_EQ(after.scores, before.scores);
    }
}

TEST(Coach, BeforeTheTableBeforeTheThrowAndOnAnotherSTurn)
{
    Coached t;
    t.table.isReady = false;
    t.lay("44412", 1);
    EXPECT_EQ(t.ask(), "the coach is still thinking");
    t.table.isReady = true;
    waitForTurn(t.f);
    EXPECT_EQ(t.ask(), "throw the dice with the space bar");
    t.f.y.game.state = EngineState::Idle;
    EXPECT_EQ(t.ask(), "the coach waits for your turn");
}

TEST(Coach, AKeyWhileAThrowIsPendingHearsTheDiceThenTheAdvice)
{
    Coached t;
    t.lay("44412", 1);
    t.f.random.push({1, 2});
    for (int i = 1; i <= 3; ++i) t.f.press(keys::Digit0 + i);  // hold 4 4 4
    t.f.press(keys::Space);
    ASSERT_EQ(t.f.y.game.state, EngineState::Rolling);
    t.f.press(kH);
    EXPECT_EQ(t.f.y.game.roll, 2);
    ASSERT_GE(t.f.y.game.saybuf.size(), 1u);
    t.f.settle();
    EXPECT_TRUE(std::regex_match(t.f.voice.last(), std::regex("(keep|score) .*"))) << t.f.voice.last();
}

TEST(CoachTally, PerfectChoicesCostNothingAndSlipsAreAdded)
{
    Coached t;
    t.lay("44412", 1);
    for (int i = 1; i <= 3; ++i) t.f.press(keys::Digit0 + i);
    t.f.random.push({5, 6});
    t.f.press(keys::Space);  // keeps 4 4 4: the best keep
    t.f.settle();
    const Seats& s = t.f.y.game.seats;
    EXPECT_TRUE(s.tallied[1]);
    EXPECT_NEAR(s.cost[1], 0.0, 1e-9);

    for (int i = 1; i <= 3; ++i) t.f.press(keys::Digit0 + i);  // releases them: keeps nothing
    t.f.random.push({1, 2, 3});
    t.f.press(keys::Space);
    t.f.settle();
    const double afterKeep = s.cost[1];
    EXPECT_GT(afterKeep, 0.5);

    ASSERT_EQ(t.f.y.game.state, EngineState::Choosing);
    t.f.press(keys::Down);  // Ones, seldom the best
    t.f.press(keys::Enter);
    EXPECT_GE(s.cost[1], afterKeep);
}

TEST(CoachTally, F4AfterTheGameTellsEachPersonTheirCost)
{
    FakeGame f;
    Game& g = f.y.game;
    g.state = EngineState::Idle;
    g.numplayers = 1;
    g.player = 1;
    g.scores[kTotalRow][1] = "231";
    g.seats.tallied[1] = true;
    g.seats.cost[1] = 12.44;
    sayscore(f.y);
    EXPECT_EQ(g.saybuf.size(), 2u) << "a game without a computer in which nobody asked the coach";
    g.seats.coachAsked = true;
    sayscore(f.y);
    EXPECT_EQ(g.saybuf, (SpeechQueue{"At the end of the game your score is 231",
                                     "your choices cost 12.4 points against perfect play",
                                     "Press function key F 9 to start a new game or function key F 1 for help. "}));

    g.numplayers = 3;
    g.seats.kind[2] = SeatKind::Strong;
    g.seats.tallied[3] = true;
    g.seats.cost[3] = 0.04;
    sayscore(f.y);
    const auto& items = g.saybuf.items();
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(items[4].text, "player 1, your choices cost 12.4 points against perfect play");
    EXPECT_EQ(items[5].text, "player 3, your choices cost 0.0 points against perfect play");

    g.state = EngineState::Rolled;
    sayscore(f.y);
    for (const auto& item : g.saybuf.items()) EXPECT_EQ(item.text.find("cost"), std::string::npos);
}

}  // namespace
}  // namespace yacht::test
