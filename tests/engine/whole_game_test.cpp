// Whole games played through the tick with a scripted voice and scripted dice: the choice of
// players, every turn of thirteen rounds, the round summaries and the end of the game.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "engine/key_codes.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

const std::string kTail =
    " Press function key F 9 to start a new game or function key F 1 for help. ";

// How the player reaches the final dice of a turn.
enum class Throws {
    Three,    // three throws, nothing held: the third shows the final dice
    HoldAll,  // one throw shows the final dice; all five are held and the space bar ends throwing
};

// One turn's plan: the final dice, the category they go to, and what that scores.
struct Turn {
    std::string dice;
    int category;
    int points;
    Throws throws = Throws::Three;
};

using Plan = std::vector<Turn>;  // thirteen turns, round 1 first

// Upper section 57 (no bonus), both straights left at 0 except the small one: 180 points.
const Plan kPlan180 = {
    {"11123", 1, 3},  {"22245", 2, 6, Throws::HoldAll}, {"33312", 3, 9},  {"44412", 4, 12},
    {"55512", 5, 15}, {"66123", 6, 12},  {"33345", 7, 18, Throws::HoldAll}, {"44446", 8, 22},
    {"22333", 9, 25}, {"12346", 10, 30}, {"11223", 11, 0}, {"66655", 12, 28},
    {"12456", 13, 0},
};

// The same without the small straight: 150 points.
Plan plan150()
{
    Plan p = kPlan180;
    p[9] = {"11224", 10, 0};
    return p;
}

// The same with a large straight: 220 points.
Plan plan220()
{
    Plan p = kPlan180;
    p[10] = {"23456", 11, 40, Throws::HoldAll};
    return p;
}

// Drives the game as a player at the keyboard would, with a voice that takes a while to speak.
class Player {
public:
    explicit Player(FakeGame& f) : f_(f) { f_.voice.speakingReads = 2; }

    void key(int code)
    {
        f_.press(code);
        f_.settle();
    }

    // F9 from a game that is not running, then the keys that choose the number of players.
    void newGame(std::initializer_list<int> choice)
    {
        key(keys::F9);
        for (int code : choice) key(code);
    }

    void turn(const Turn& t)
    {
        Game& g = f_.y.game;
        ASSERT_EQ(g.state, EngineState::WaitSpace);
        if (t.throws == Throws::Three) {
            throwDice("12356");
            ASSERT_EQ(g.state, EngineState::Rolled);
            throwDice("23461");
            ASSERT_EQ(g.state, EngineState::Rolled);
            throwDice(t.dice);
        } else {
            throwDice(t.dice);
            if (g.state == EngineState::Rolled) {
                for (int die = 1; die <= kDice; ++die) key(keys::Digit0 + die);
                key(keys::Space);
            }
        }
        ASSERT_EQ(g.state, EngineState::Choosing);
        ASSERT_EQ(f_.dice(), t.dice);
        if (g.categoryCursor != t.category) {
            while (g.categoryCursor != t.category) key(g.categoryCursor < t.category ? keys::Down : keys::Up);
            const std::string name = withoutLeadingBlanks(f_.shown().sheetCaptions[t.category].caption);
            ASSERT_EQ(f_.voice.last(), name + (t.points ? " is worth " + decimal(t.points)
                                                        : std::string(" is worth nothing")));
        }
        key(keys::Enter);
    }

    // Every player plays the turn of the round from their plan.
    void play(const std::vector<Plan>& plans)
    {
        for (std::size_t round = 0; round < 13; ++round)
            for (const Plan& plan : plans) {
                turn(plan[round]);
                if (::testing::Test::HasFatalFailure()) return;
            }
    }

private:
    void throwDice(const std::string& faces)
    {
        for (char c : faces) f_.random.faces.push_back(c - '0');
        key(keys::Space);
    }

    FakeGame& f_;
};

// Running totals of a plan after each round, the upper bonus included once it is reached.
std::vector<int> runningTotals(const Plan& plan)
{
    std::vector<int> out;
    int total = 0, upper = 0;
    bool bonus = false;
    for (const Turn& t : plan) {
        total += t.points;
        if (t.category <= 6) upper += t.points;
        if (!bonus && upper >= 63) {
            total += 35;
            bonus = true;
        }
        out.push_back(total);
    }
    return out;
}

std::vector<std::string> startingWith(const std::vector<std::string>& texts,
                                      const std::string& prefix)
{
    std::vector<std::string> out;
    for (const std::string& t : texts)
        if (t.rfind(prefix, 0) == 0) out.push_back(t);
    return out;
}

}  // namespace

TEST(OnePlayerGame, ThirteenRoundsEndWithTheSheetsTotal)
{
    FakeGame f;
    Player player(f);
    // Thirteen categories in a mixed order, with the upper bonus and a Yacht taken straight away.
    const Plan plan = {
        {"66612", 6, 18},  {"12346", 10, 30}, {"11123", 1, 3, Throws::HoldAll},
        {"55555", 13, 50}, {"22245", 2, 6},   {"33312", 3, 9},
        {"23456", 11, 40}, {"44412", 4, 12},  {"22333", 9, 25, Throws::HoldAll},
        {"55512", 5, 15},  {"33345", 7, 18},  {"66655", 12, 28},
        {"44446", 8, 22},
    };
    const std::vector<int> totals = runningTotals(plan);
    ASSERT_EQ(totals.back(), 311);

    player.newGame({keys::Enter});
    ASSERT_EQ(f.y.game.numPlayers, 1);
    player.play({plan});
    f.tick();

    const Game& g = f.y.game;
    EXPECT_EQ(g.state, EngineState::Idle);
    EXPECT_EQ(g.round, 0);
    EXPECT_EQ(g.roll, 0);
    EXPECT_EQ(g.scores[kTotalRow][1], 311);
    EXPECT_EQ(f.shown().sidePanel[2].caption, "311");
    EXPECT_EQ(f.shown().statusBox.caption, "Game over");
    EXPECT_EQ(f.voice.last(), "game over, you scored 311" + kTail);

    const std::vector<std::string> heard = f.voice.texts();
    EXPECT_EQ(std::count(heard.begin(), heard.end(), " Press the space bar to begin"), 1);
    EXPECT_EQ(std::count(heard.begin(), heard.end(), " Press the space bar to continue"), 12);
    std::vector<std::string> openings, afters;
    for (int round = 1; round <= 13; ++round)
        openings.push_back("round " + decimal(round) + " first roll");
    for (int round = 1; round <= 12; ++round)
        afters.push_back("After " + decimal(round) + (round > 1 ? " rounds" : " round") +
                         " your total score is " + decimal(totals[round - 1]));
    EXPECT_EQ(startingWith(heard, "round "), openings);
    EXPECT_EQ(startingWith(heard, "After "), afters) << "nothing is said after the last round";
    EXPECT_TRUE(startingWith(heard, "At the end of the round").empty());
}

TEST(ThreePlayerGame, EqualBestTotalsEndInATwoWayTie)
{
    FakeGame f;
    Player player(f);
    player.newGame({keys::Down, keys::Down, keys::Down, keys::Enter});
    ASSERT_EQ(f.y.game.numPlayers, 3);
    const std::vector<Plan> plans = {kPlan180, plan150(), kPlan180};
    player.play(plans);

    const Game& g = f.y.game;
    EXPECT_EQ(g.state, EngineState::Idle);
    EXPECT_EQ(g.scores[kTotalRow][1], 180);
    EXPECT_EQ(g.scores[kTotalRow][2], 150);
    EXPECT_EQ(g.scores[kTotalRow][3], 180);
    EXPECT_EQ(f.voice.last(),
              "Game over. We have a 2 way tie. The joint winners are player 1 and player 3 with a "
              "score of 180" + kTail);

    const std::vector<std::string> heard = f.voice.texts();
    std::vector<std::string> summaries, openings;
    const std::vector<int> a = runningTotals(plans[0]), b = runningTotals(plans[1]);
    for (int round = 1; round <= 12; ++round) {
        const std::string at = decimal(a[round - 1]), bt = decimal(b[round - 1]);
        summaries.push_back("At the end of the round, the scores are player 1 " + at +
                            ", player 2 " + bt + ", player 3 " + at +
                            ",  Press the space bar to continue");
    }
    EXPECT_EQ(startingWith(heard, "At the end of the round"), summaries)
        << "the summary after the last round gives way to the winners";
    for (int round = 1; round <= 13; ++round)
        openings.push_back("round " + decimal(round) + " player 1 first roll");
    EXPECT_EQ(startingWith(heard, "round "), openings);
    EXPECT_EQ(std::count(heard.begin(), heard.end(), " player 2 first roll"), 13);
    EXPECT_EQ(std::count(heard.begin(), heard.end(), " player 3 first roll"), 13);

    // The players' totals stay on the sheet after the game, and F4 reads them out.
    EXPECT_EQ(f.shown().sheetCaptions[2].caption, "  Player 2");
    EXPECT_EQ(f.shown().sheetValues[2].caption, "150");
    EXPECT_EQ(f.shown().sheetCaptions[4].caption, "");
    f.voice.spoken.clear();
    player.key(keys::F4);
    EXPECT_EQ(f.voice.texts(), (std::vector<std::string>{
                                   "At the end of the game the scores are, ", "player 1, 180",
                                   "player 2, 150", "player 3, 180", kTail.substr(1)}));
}

TEST(EightPlayerGame, ChosenWithTheDigitAndPlayedToTheEnd)
{
    FakeGame f;
    Player player(f);
    player.newGame({keys::Digit0 + 8});
    ASSERT_EQ(f.y.game.numPlayers, 8);
    EXPECT_EQ(f.voice.texts().at(1), "8 players");
    EXPECT_EQ(f.shown().sheetCaptions[8].backstyle, BackStyle::Opaque);

    std::vector<Plan> plans;
    for (int p = 1; p <= 8; ++p) plans.push_back(p == 5 ? plan220() : p % 2 ? kPlan180 : plan150());
    player.play(plans);

    const Game& g = f.y.game;
    EXPECT_EQ(g.state, EngineState::Idle);
    EXPECT_EQ(g.scores[kTotalRow][8], 150);
    EXPECT_EQ(f.voice.last(), "Game over. The winner is player 5 with a score of 220" + kTail);
    for (int row = 1; row <= 8; ++row) {
        EXPECT_EQ(f.shown().sheetCaptions[row].caption, "  Player " + decimal(row));
        EXPECT_EQ(f.shown().sheetValues[row].caption, cellText(g.scores[kTotalRow][row]));
    }
    const std::vector<std::string> heard = f.voice.texts();
    EXPECT_EQ(std::count(heard.begin(), heard.end(), " player 8 first roll"), 13);
    const auto summaries = startingWith(heard, "At the end of the round");
    ASSERT_EQ(summaries.size(), 12u);
    EXPECT_NE(summaries.back().find("player 8 150,  Press the space bar to continue"),
              std::string::npos)
        << summaries.back();
}

TEST(NewGameDuringATurn, CancelledLeavesTheTurnExactlyAsItWas)
{
    FakeGame f;
    Player player(f);
    player.newGame({keys::Digit0 + 2});
    player.turn(kPlan180[0]);
    // Player 2, after the second throw, with two dice held and the cursor on a die.
    f.random.push({4, 2, 6, 6, 1});
    player.key(keys::Space);
    f.random.push({3, 5, 5});
    player.key(keys::Digit0 + 2);
    player.key(keys::Digit0 + 4);
    player.key(keys::Space);
    player.key(keys::Right);
    ASSERT_EQ(f.y.game.state, EngineState::Rolled);
    ASSERT_EQ(f.dice(), "32565");

    const Game before = f.y.game;
    const Board board = f.shown();
    f.voice.spoken.clear();
    f.toolkit.answers = {Answer::Cancel};
    player.key(keys::F9);

    const Game& g = f.y.game;
    EXPECT_EQ(f.toolkit.questions, std::vector<std::string>{"Start new game?"});
    EXPECT_EQ(f.voice.texts(), (std::vector<std::string>{
                                   "Do you really want to start a new game? Press the enter key "
                                   "to confirm or the escape key to cancel",
                                   "cancelled"}));
    EXPECT_EQ(g.state, before.state);
    EXPECT_EQ(g.numPlayers, before.numPlayers);
    EXPECT_EQ(g.player, before.player);
    EXPECT_EQ(g.round, before.round);
    EXPECT_EQ(g.roll, before.roll);
    EXPECT_EQ(g.diceCursor, before.diceCursor);
    EXPECT_EQ(g.categoryCursor, before.categoryCursor);
    EXPECT_EQ(g.held, before.held);
    EXPECT_EQ(g.scores, before.scores);
    EXPECT_EQ(g.total, before.total);
    for (int die = 0; die < kDice; ++die) {
        EXPECT_EQ(g.dice[die], before.dice[die]);
        EXPECT_EQ(f.shown().dice[die].backcolor, board.dice[die].backcolor);
    }
    for (int row = 0; row < 15; ++row) {
        EXPECT_EQ(f.shown().sheetValues[row].caption, board.sheetValues[row].caption) << row;
        EXPECT_EQ(f.shown().sheetCaptions[row].caption, board.sheetCaptions[row].caption) << row;
        EXPECT_EQ(f.shown().sheetCaptions[row].backstyle, board.sheetCaptions[row].backstyle) << row;
    }
    EXPECT_EQ(f.shown().sidePanel[1].caption, board.sidePanel[1].caption);
    EXPECT_EQ(f.shown().sidePanel[2].caption, board.sidePanel[2].caption);

    // The turn goes on: the final throw keeps the held dice.
    f.random.push({1, 1, 1});
    player.key(keys::Space);
    EXPECT_EQ(f.y.game.state, EngineState::Choosing);
    EXPECT_EQ(f.dice(), "12161");
}

TEST(TurnEndPacing, AKeyDropsTheQueuedScoreAndPassesTheTurnAtOnce)
{
    FakeGame f;
    Player player(f);
    player.newGame({keys::Digit0 + 2});
    f.random.push({1, 1, 1, 2, 3});
    player.key(keys::Space);
    for (int die = 1; die <= kDice; ++die) player.key(keys::Digit0 + die);
    player.key(keys::Space);
    ASSERT_EQ(f.y.game.state, EngineState::Choosing);

    // The voice is still busy when enter scores: the "After" sentence waits in the queue.
    f.voice.speakingReads = 1000;
    f.voice.speak("still speaking", SpeakMode::Async);
    f.press(keys::Down);
    f.press(keys::Enter);
    ASSERT_EQ(f.y.game.state, EngineState::TurnEnd);
    ASSERT_EQ(f.y.toBeHeard, queued("After 1 round your total score is 3"));

    f.press('A');
    EXPECT_EQ(f.y.game.state, EngineState::WaitSpace);
    EXPECT_EQ(f.y.game.player, 2);
    EXPECT_EQ(f.y.toBeHeard, queued(" Press the space bar to begin"));

    // Any key but the space bar drops the waiting sentence too, and nothing else happens.
    f.press(keys::Enter);
    EXPECT_EQ(f.y.game.state, EngineState::WaitSpace);
    EXPECT_EQ(f.y.toBeHeard, queued(""));
}

}  // namespace yacht::test
