// The coach: what H says at each moment of a person's turn, that it changes nothing, and the
// tally of what a person's choices cost, told by F4 after the game.

#include <gtest/gtest.h>

#include <regex>

#include "engine/key_codes.h"
#include "engine/reports.h"
#include "support/fakes.h"
#include "support/solver_table.h"
#include "support/turn_script.h"

namespace yacht::test {
namespace {

// A person alone, in round 1, with these dice after this throw (rolled; choosing after the third).
struct Coached {
    FakeGame f;
    HeldTableSource table;
    Coached(const std::string& dice, int roll)
    {
        f.y.advisor.source = &table;
        waitForTurn(f);
        Game& g = f.y.game;
        g.roll = static_cast<int16_t>(roll);
        g.state = roll == 3 ? EngineState::Choosing : EngineState::Rolled;
        for (int i = 0; i < kDice; ++i) g.dice[i] = static_cast<int16_t>(dice[i] - '0');
    }
    std::string ask()
    {
        f.press('H');
        return f.voice.last();
    }
};

TEST(Coach, SaysTheBestMoveForTheTurnAsItStandsAndChangesNothing)
{
    const struct {
        const char* dice;
        int roll, cursor;
        const char* said;  // a pattern
    } cases[] = {
        {"44412", 1, 0, "keep 4 4 4, then throw"},
        {"23456", 2, 0, "score Large straight for 40"},
        {"66666", 3, 0, "score Yacht for 50"},
        {"12345", 3, 12, "score Large straight for 40, Chance costs [0-9]+\\.[0-9] points"},
        {"12345", 3, 11, "score Large straight for 40"},
    };
    for (const auto& c : cases) {
        Coached t(c.dice, c.roll);
        t.f.y.game.categoryCursor = static_cast<int16_t>(c.cursor);
        const Game before = t.f.y.game;
        const std::string said = t.ask();
        EXPECT_TRUE(std::regex_match(said, std::regex(c.said))) << c.dice << " roll " << c.roll << ": " << said;
        const Game& after = t.f.y.game;
        EXPECT_TRUE(after.state == before.state && after.categoryCursor == before.categoryCursor &&
                    after.held == before.held && after.scores == before.scores);
    }

    Coached t("44412", 1);
    t.table.isReady = false;
    EXPECT_EQ(t.ask(), "the coach is still thinking");
    t.table.isReady = true;
    waitForTurn(t.f);
    EXPECT_EQ(t.ask(), "throw the dice with the space bar");
}

TEST(CoachTally, PerfectChoicesCostNothingSlipsAddUpAndF4TellsThemAfterTheGame)
{
    {
        // A person who never asks the coach: nothing is weighed and the table is never asked for.
        Coached quiet("44412", 1);
        for (int i = 1; i <= 3; ++i) quiet.f.press(keys::Digit0 + i);
        quiet.f.random.push({5, 6});
        quiet.f.press(keys::Space);
        quiet.f.settle();
        quiet.f.press(keys::Down);
        quiet.f.press(keys::Enter);
        quiet.f.settle();
        EXPECT_FALSE(quiet.f.y.game.seats.tallied[1]);
        EXPECT_EQ(quiet.table.asks, 0);
    }
    Coached t("44412", 1);
    Game& g = t.f.y.game;
    t.ask();
    EXPECT_GT(t.table.asks, 0);
    for (int i = 1; i <= 3; ++i) t.f.press(keys::Digit0 + i);
    t.f.random.push({5, 6});
    t.f.press(keys::Space);  // keeps 4 4 4, the best keep
    t.f.settle();
    EXPECT_TRUE(g.seats.tallied[1]);
    EXPECT_NEAR(g.seats.cost[1], 0.0, 1e-9);
    for (int i = 1; i <= 3; ++i) t.f.press(keys::Digit0 + i);  // keeps nothing of 4 4 4 5 6
    t.f.random.push({1, 2, 3, 1, 2});
    t.f.press(keys::Space);
    t.f.settle();
    const double afterKeep = g.seats.cost[1];
    EXPECT_GT(afterKeep, 0.5);
    t.f.press(keys::Down);  // Ones
    t.f.press(keys::Enter);
    EXPECT_GE(g.seats.cost[1], afterKeep);

    g.state = EngineState::Idle;
    g.seats.cost[1] = 12.44;
    g.seats.coachAsked = false;
    sayScores(t.f.y.game, t.f.y.tell);
    EXPECT_EQ(t.f.y.toBeHeard.size(), 2u) << "nobody asked the coach and no computer played";
    g.seats.coachAsked = true;
    sayScores(t.f.y.game, t.f.y.tell);
    ASSERT_EQ(t.f.y.toBeHeard.size(), 3u);
    EXPECT_EQ(t.f.y.toBeHeard.items()[1].text, "your choices cost 12.4 points against perfect play");

    g.numPlayers = 3;
    g.seats.kind[2] = SeatKind::Strong;
    g.seats.tallied[3] = true;
    sayScores(t.f.y.game, t.f.y.tell);
    ASSERT_EQ(t.f.y.toBeHeard.size(), 7u);
    EXPECT_EQ(t.f.y.toBeHeard.items()[4].text, "player 1, your choices cost 12.4 points against perfect play");
    EXPECT_EQ(t.f.y.toBeHeard.items()[5].text, "player 3, your choices cost 0.0 points against perfect play");
}

}  // namespace
}  // namespace yacht::test
