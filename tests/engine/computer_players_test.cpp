// Computer players through the tick: choosing them with C and S, whole games they play, the
// space bar that skips their turn, function keys meanwhile, and a turn that waits for the table.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <regex>

#include "engine/computer_turn.h"
#include "engine/key_codes.h"
#include "engine/key_input.h"
#include "engine/mouse_clicks.h"
#include "engine/tick.h"
#include "support/fakes.h"
#include "support/solver_table.h"

namespace yacht::test {
namespace {

// A game with seeded dice and the solver's table at hand, players chosen by the keys given.
struct TableGame {
    FakeGame f;
    HeldTableSource table;
    explicit TableGame(std::initializer_list<int> choice, unsigned seed = 7)
    {
        f.voice.speakingReads = 2;
        f.y.advisor.source = &table;
        std::mt19937 faces(seed);
        for (int i = 0; i < 2000; ++i) f.random.faces.push_back(int(faces() % 6) + 1);
        key(keys::F9);
        for (int code : choice) key(code);
    }
    Game& g() { return f.y.game; }
    void key(int code)
    {
        f.press(code);
        f.settle();
    }
    bool runUntil(bool (*done)(const Game&), int maxTicks = 40000)
    {
        for (int i = 0; i < maxTicks && !done(g()); ++i) f.tick();
        return done(g());
    }
    std::vector<std::string> saidSince(std::size_t from) const
    {
        const std::vector<std::string> all = f.voice.texts();
        return {all.begin() + std::ptrdiff_t(from), all.end()};
    }
};

// The card's total worked out afresh from the player's column.
int sheetTotal(const Game& g, int p)
{
    int upper = 0, all = g.scores[kBonusRow][p].value_or(0);
    for (int c = 1; c <= kCategories; ++c) {
        all += g.scores[c][p].value_or(0);
        if (c <= 6) upper += g.scores[c][p].value_or(0);
    }
    return all + (upper >= 63 ? 35 : 0);
}

const std::regex kWellFormed(
    "(round [0-9]+)?( player [1-8])? first roll|( [1-6]){1,5}|yacht|second roll|final roll|"
    "player [1-8] keeps (nothing|[1-6]( [1-6]){0,4})|"
    "player [1-8] scores [0-9]+ in (Ones|Twos|Threes|Fours|Fives|Sixes|3 of a kind|4 of a kind|"
    "Full house|Small straight|Large straight|Chance|Yacht)|"
    "At the end of the round, the scores are (player [1-8] [0-9]+, )+|"
    "Game over\\. (The winner is player [1-8]|We have a 2 way tie\\. The joint winners are player 1 and player 2)"
    " with a score of [0-9]+ Press function key F 9 to start a new game or function key F 1 for help\\. ");

// Two computer players, strong and then casual, play a whole game by themselves.
class TwoComputers : public ::testing::TestWithParam<int> {};

TEST_P(TwoComputers, FinishThirteenRoundsWithWellFormedWordsAndTotalsThatMatchTheSheets)
{
    TableGame t({keys::Down, keys::Down, 'C', 'C'}, unsigned(GetParam()) + 3);
    EXPECT_EQ(t.f.voice.last(), "2 computer players");
    if (GetParam() == 1) t.key('S');
    const std::size_t from = t.f.voice.spoken.size();
    t.key(keys::Enter);
    ASSERT_TRUE(t.runUntil([](const Game& g) { return g.state == EngineState::Idle; }));
    t.f.settle();

    const std::vector<std::string> said = t.saidSince(from);
    int scored = 0;
    for (const std::string& s : said) {
        EXPECT_TRUE(std::regex_match(s, kWellFormed)) << "said: [" << s << "]";
        scored += s.find(" scores ") == 8;  // "player N scores ..."
    }
    EXPECT_EQ(scored, 26);
    const Game& g = t.g();
    for (int p = 1; p <= 2; ++p) {
        EXPECT_EQ(g.scores[kTotalRow][p].value_or(0), sheetTotal(g, p)) << "player " << p;
        EXPECT_EQ(g.seats.kind[p], GetParam() ? SeatKind::Casual : SeatKind::Strong);
        EXPECT_FALSE(g.seats.tallied[p]) << "a computer's choices are not tallied";
    }
    const std::string best = decimal(std::max(sheetTotal(g, 1), sheetTotal(g, 2)));
    EXPECT_NE(said.back().find("with a score of " + best), std::string::npos) << said.back();
}

INSTANTIATE_TEST_SUITE_P(StrongThenCasual, TwoComputers, ::testing::Values(0, 1));

TEST(ChoosingComputers, CAndSCycleAndTheCountSaysThem)
{
    TableGame t({});
    const std::pair<int, const char*> steps[] = {
        {'C', "1 computer player"},   {'C', "no computer players"},  {keys::Down, "2 players"},
        {'C', "1 computer player"},   {'C', "2 computer players"},   {keys::Up, "1 player, 1 computer player"},
        {'S', "casual"},              {'S', "strong"},               {'H', "the coach waits for your turn"},
        {keys::Down, "2 players, 1 computer player"},
    };
    for (const auto& [code, words] : steps) {
        t.key(code);
        EXPECT_EQ(t.f.voice.last(), words);
    }
    t.key(keys::Digit0 + 3);
    EXPECT_FALSE(t.g().seats.isComputer(2));
    EXPECT_EQ(t.g().seats.kind[3], SeatKind::Strong);
}

// A person and a computer: the person's turn waits for the space bar, the computer's does not,
// and the space bar skips only the computer's turn.
TEST(PersonAndComputer, SpaceSkipsOnlyTheComputersTurn)
{
    TableGame t({keys::Down, keys::Down, 'C', keys::Enter});
    for (int i = 0; i < 30; ++i) t.f.tick();
    ASSERT_EQ(t.g().state, EngineState::WaitSpace) << "a person's turn waits for the space bar";
    t.key(keys::Space);
    t.f.press(keys::Space);
    ASSERT_EQ(t.g().state, EngineState::Rolling);
    t.f.post(keys::Space, 0);
    EXPECT_FALSE(t.f.y.pendingInput) << "a person's pending throw drops the space bar";
    t.f.settle();
    t.key(keys::Space);
    while (t.g().state == EngineState::Choosing) {
        t.key(keys::Down);
        t.key(keys::Enter);
    }
    ASSERT_TRUE(t.runUntil([](const Game& g) { return g.player == 2 && g.state == EngineState::Rolling; }));
    t.f.post(keys::Space, 0);
    EXPECT_TRUE(t.f.y.pendingInput) << "a computer's pending throw takes the space bar";
    const std::size_t from = t.f.voice.spoken.size();
    t.f.tick();
    t.f.settle();
    const std::vector<std::string> said = t.saidSince(from);
    ASSERT_EQ(said.size(), 2u) << "only the score, then the round's end";
    EXPECT_TRUE(std::regex_match(said[0], std::regex("player 2 scores [0-9]+ in [A-Za-z0-9 ]+"))) << said[0];
    EXPECT_EQ(t.g().state, EngineState::WaitSpace);
    EXPECT_EQ(t.g().round, 2);
}

// A click on the status box starts the game as Enter does, with the seats C chose: a person in
// seat 1 throws at once; a computer in seat 1 plays its whole first turn, not only its score.
TEST(StatusClickAfterC, SeatsTheComputersAndKeepsSeatOnesTurn)
{
    struct Case {
        std::initializer_list<int> choice;
        bool computerFirst;
    };
    for (const Case& c : {Case{{keys::Down, keys::Down, 'C'}, false},
                         Case{{keys::Down, keys::Down, 'C', 'C'}, true}}) {
        TableGame t(c.choice);
        const std::size_t from = t.f.voice.spoken.size();
        postClick(t.f.y.pendingInput, t.g(), Click{ClickTarget::StatusBox, 0});
        ASSERT_TRUE(t.runUntil([](const Game& g) { return g.state == EngineState::Rolled; }, 500));
        EXPECT_TRUE(t.g().seats.isComputer(2));
        EXPECT_EQ(t.g().seats.isComputer(1), c.computerFirst);
        EXPECT_EQ(t.saidSince(from).front(), "round 1 player 1 first roll");
        if (!c.computerFirst) continue;
        ASSERT_TRUE(t.runUntil([](const Game& g) { return g.player == 2; }, 2000));
        const std::vector<std::string> said = t.saidSince(from);
        EXPECT_TRUE(std::any_of(said.begin(), said.end(),
                                [](const std::string& s) { return s.rfind("player 1 keeps", 0) == 0; }))
            << "seat 1's turn was played, not skipped";
    }
}

TEST(OneComputer, WaitsForTheTableAnswersFunctionKeysAndPlaysOn)
{
    TableGame t({keys::Digit0 + 1});
    t.table.isReady = false;
    t.g().seats.kind[1] = SeatKind::Strong;
    for (int i = 0; i < 50; ++i) t.f.tick();
    EXPECT_EQ(t.g().state, EngineState::WaitSpace);
    EXPECT_EQ(t.f.clock.waiting(), 1u) << "the turn asks again for the table shortly";
    EXPECT_GT(t.table.asks, 0);

    t.table.isReady = true;
    ASSERT_TRUE(t.runUntil([](const Game& g) { return g.state == EngineState::Rolled; }, 500));
    t.key(keys::F2);
    std::string faces;
    for (int16_t d : t.g().dice) faces.append(" ").append(decimal(d));
    EXPECT_EQ(t.f.voice.last(), faces);
    t.key(keys::Left);
    EXPECT_EQ(t.g().diceCursor, 0) << "the dice are the computer's";
    ASSERT_TRUE(t.runUntil([](const Game& g) { return g.round == 2; }, 500)) << "the computer played on";
}

}  // namespace
}  // namespace yacht::test
