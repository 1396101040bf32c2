// Computer players through the tick: choosing them with C and S, whole games in which they play,
// the space bar that skips their turn, and a turn that waits for the solver's table.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "engine/computer_turn.h"
#include "engine/key_input.h"
#include "engine/key_codes.h"
#include "engine/tick.h"
#include "screen/score_sheet.h"
#include "support/fakes.h"
#include "support/solver_table.h"

namespace yacht::test {
namespace {

constexpr int kC = 'C';
constexpr int kS = 'S';

// A game whose dice come from a seeded sequence, with the solver's table at hand.
struct TableGame {
    FakeGame f;
    HeldTableSource table;
    explicit TableGame(unsigned seed = 7)
    {
        f.voice.speakingReads = 2;
        f.y.advisor.source = &table;
        std::mt19937 faces(seed);
        for (int i = 0; i < 2000; ++i) f.random.faces.push_back(int(faces() % 6) + 1);
    }
    Game& g() { return f.y.game; }
    void key(int code)
    {
        f.press(code);
        f.settle();
    }
    // Ticks until the game is over or the human is to act; false when it never got there.
    bool runUntil(bool (*done)(const Game&), int maxTicks = 40000)
    {
        for (int i = 0; i < maxTicks; ++i) {
            if (done(g())) return true;
            f.tick();
        }
        return done(g());
    }
};

bool gameOver(const Game& g) { return g.state == EngineState::Idle; }
bool humansTurn(const Game& g) { return g.state == EngineState::Idle || (g.state == EngineState::WaitSpace && !g.seats.isComputer(g.player)); }

// The card's total worked out afresh from the player's column.
int sheetTotal(const Game& g, int p)
{
    int upper = 0, all = 0;
    for (int c = 1; c <= kCategories; ++c) {
        const int v = numberOf(g.scores[c][p]);
        all += v;
        if (c <= 6) upper += v;
    }
    return all + (upper >= 63 ? 35 : 0) + numberOf(g.scores[kBonusRow][p]);
}

// Every text the game said while computers played, and whether each matches one of the forms.
void expectWellFormed(const std::vector<std::string>& said)
{
    const std::regex forms(
        "(round [0-9]+)?( player [1-8])? first roll|( [1-6]){1,5}|yacht|second roll|final roll|"
        "player [1-8] keeps (nothing|[1-6]( [1-6]){0,4})|"
        "player [1-8] scores [0-9]+ in (Ones|Twos|Threes|Fours|Fives|Sixes|3 of a kind|4 of a kind|"
        "Full house|Small straight|Large straight|Chance|Yacht)|"
        "At the end of the round, the scores are (player [1-8] [0-9]+, )+( Press the space bar to continue)?|"
        "Game over\\. (The winner is player [1-8]|We have a [0-9] way tie\\. The joint winners are( and)?( player [1-8])+)"
        ".* Press function key F 9 to start a new game or function key F 1 for help\\. ");
    for (const std::string& s : said) EXPECT_TRUE(std::regex_match(s, forms)) << "said: [" << s << "]";
}

std::vector<std::string> saidSince(const FakeVoice& v, std::size_t from)
{
    const std::vector<std::string> all = v.texts();
    return {all.begin() + std::ptrdiff_t(from), all.end()};
}

// Two computer players, strong and then casual, play a whole game by themselves.
class TwoComputers : public ::testing::TestWithParam<int> {};

TEST_P(TwoComputers, FinishThirteenRoundsWithWellFormedWordsAndTotalsThatMatchTheSheets)
{
    TableGame t(unsigned(GetParam()) + 3);
    t.key(keys::F9);
    t.key(keys::Down);
    t.key(keys::Down);  // 2 players
    t.key(kC);
    t.key(kC);
    EXPECT_EQ(t.f.voice.last(), "2 computer players");
    if (GetParam() == 1) {
        t.key(kS);
        EXPECT_EQ(t.f.voice.last(), "casual");
    }
    const std::size_t from = t.f.voice.spoken.size();
    t.key(keys::Enter);
    ASSERT_TRUE(t.runUntil(gameOver)) << "the computers did not finish";
    t.f.settle();

    const Game& g = t.g();
    const std::vector<std::string> said = saidSince(t.f.voice, from);
    expectWellFormed(said);
    int scored = 0;
    const std::regex scores("player ([12]) scores ([0-9]+) in .*");
    for (const std::string& s : said) scored += std::regex_match(s, scores);
    EXPECT_EQ(scored, 26);
    for (int p = 1; p <= 2; ++p) {
        EXPECT_EQ(numberOf(g.scores[kTotalRow][p]), sheetTotal(g, p)) << "player " << p;
        for (int c = 1; c <= kCategories; ++c) EXPECT_FALSE(g.scores[c][p].empty()) << p << " row " << c;
    }
    const int best = std::max(sheetTotal(g, 1), sheetTotal(g, 2));
    EXPECT_NE(said.back().find("with a score of " + decimal(best)), std::string::npos) << said.back();
    for (int p = 1; p <= 2; ++p) EXPECT_FALSE(g.seats.tallied[p]) << "computers are not tallied";
}

INSTANTIATE_TEST_SUITE_P(StrongThenCasual, TwoComputers, ::testing::Values(0, 1));

TEST(ChoosingComputers, CAndSCycleAndTheCountSaysThem)
{
    TableGame t;
    t.key(keys::F9);
    const std::vector<std::pair<int, std::string>> steps = {
        {kC, "1 computer player"},           {kC, "no computer players"},
        {keys::Down, "2 players"},           {kC, "1 computer player"},
        {kC, "2 computer players"},          {keys::Up, "1 player, 1 computer player"},
        {kS, "casual"},                      {kS, "strong"},
        {'H', "the coach waits for your turn"},
    };
    for (const auto& [code, words] : steps) {
        t.key(code);
        EXPECT_EQ(t.f.voice.last(), words);
    }
    EXPECT_EQ(t.g().numplayers, 1) << "H does not move the count";
    t.key(keys::Digit0 + 3);
    const std::vector<std::string> said = t.f.voice.texts();
    EXPECT_NE(std::find(said.begin(), said.end(), "3 players, 1 computer player"), said.end());
    EXPECT_FALSE(t.g().seats.isComputer(2));
    EXPECT_TRUE(t.g().seats.isComputer(3));
    EXPECT_EQ(t.g().seats.kind[3], SeatKind::Strong);
}

// A person and a computer: the person's turn waits for the space bar, the computer's does not,
// and the space bar skips only the computer's turn.
TEST(PersonAndComputer, SpaceSkipsOnlyTheComputersTurn)
{
    TableGame t;
    t.key(keys::F9);
    t.key(keys::Down);
    t.key(keys::Down);  // 2 players
    t.key(kC);
    t.key(keys::Enter);
    ASSERT_EQ(t.g().state, EngineState::WaitSpace);
    ASSERT_EQ(t.g().player, 1);
    for (int i = 0; i < 30; ++i) t.f.tick();
    EXPECT_EQ(t.g().state, EngineState::WaitSpace) << "a person's turn waits for the space bar";

    t.key(keys::Space);
    ASSERT_EQ(t.g().state, EngineState::Rolled);
    keydown(t.f.y, keys::Space, 0);
    t.f.tick();
    ASSERT_EQ(t.g().state, EngineState::Rolling);
    keydown(t.f.y, keys::Space, 0);
    EXPECT_FALSE(t.g().keybuf) << "a person's pending throw drops the space bar";
    t.f.settle();
    t.key(keys::Space);
    ASSERT_EQ(t.g().state, EngineState::Choosing);
    t.key(keys::Enter);  // Yacht, or the first row; either way the cursor may need a row
    while (t.g().state == EngineState::Choosing) {
        t.key(keys::Down);
        t.key(keys::Enter);
    }
    ASSERT_TRUE(t.runUntil([](const Game& g) { return g.player == 2 && g.state == EngineState::Rolled; }));

    // The computer's throw is on the table: the space bar plays the rest of its turn at once.
    const std::size_t from = t.f.voice.spoken.size();
    t.f.press(keys::Space);
    EXPECT_FALSE(computerTurn(t.g()));
    t.f.settle();
    const std::vector<std::string> said = saidSince(t.f.voice, from);
    ASSERT_EQ(said.size(), 2u) << "only the score, then the round's end";
    EXPECT_TRUE(std::regex_match(said[0], std::regex("player 2 scores [0-9]+ in [A-Za-z0-9 ]+"))) << said[0];
    EXPECT_TRUE(said[1].starts_with("At the end of the round")) << said[1];
    ASSERT_TRUE(t.runUntil(humansTurn));
    EXPECT_EQ(t.g().player, 1);
    EXPECT_EQ(t.g().round, 2);
}

TEST(PersonAndComputer, TheComputersTurnWaitsForTheTableAndTheCoachIsStillThinking)
{
    TableGame t;
    t.table.isReady = false;
    t.key(keys::F9);
    t.key(keys::Down);
    t.key(keys::Down);  // 2 players
    t.key(kC);
    t.key(kC);  // both seats the computer's
    t.key(keys::Enter);
    for (int i = 0; i < 50; ++i) t.f.tick();
    EXPECT_EQ(t.g().state, EngineState::WaitSpace);
    EXPECT_FALSE(engineCanSleep(t.f.y)) << "the timer keeps asking for the table";
    t.key('H');
    EXPECT_EQ(t.f.voice.last(), "the coach waits for your turn");

    t.table.isReady = true;
    ASSERT_TRUE(t.runUntil([](const Game& g) { return g.state == EngineState::Rolled; }, 200));
}

TEST(PersonAndComputer, FunctionKeysAnswerDuringTheComputersTurnAndItPlaysOn)
{
    TableGame t;
    t.key(keys::F9);
    t.key(keys::Digit0 + 1);
    t.g().seats.kind[1] = SeatKind::Strong;  // a game the computer plays alone
    ASSERT_TRUE(t.runUntil([](const Game& g) { return g.state == EngineState::Rolled; }, 500));
    const std::string dice = t.f.dice();
    t.key(keys::F2);
    EXPECT_EQ(t.f.voice.last(), " " + std::string(1, dice[0]) + " " + dice[1] + " " + dice[2] + " " + dice[3] +
                                    " " + dice[4]);
    t.key(keys::F4);
    EXPECT_EQ(t.f.voice.last(), "Press the space bar to continue. ");
    t.key(keys::Left);  // the dice are the computer's: no cursor for anyone else
    EXPECT_EQ(t.g().dicecursor, 0);
    ASSERT_TRUE(t.runUntil([](const Game& g) { return g.round == 2; }, 500)) << "the computer played on";
}

}  // namespace
}  // namespace yacht::test
