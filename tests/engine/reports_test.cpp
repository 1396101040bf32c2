#include <gtest/gtest.h>

#include <functional>

#include "engine/key_codes.h"
#include "engine/rolling.h"
#include "engine/score_sheet.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

const std::string kGameOver =
    "Game over. Press function key F 9 to start a new game or function key F 1 for help. ";
const std::string kNewGameOrHelp =
    "\tPress function key F 9 to start a new game or function key F 1 for help. ";
const std::string kContinue = "\tPress the space bar to continue. ";

const char* const kNames[] = {"",      "Ones",        "Twos",           "Threes",
                              "Fours", "Fives",       "Sixes",          "3 of a kind",
                              "4 of a kind", "Full house", "Small straight", "Large straight",
                              "Chance", "Yacht"};

// The current player's column, with the given rows filled in.
void card(FakeGame& f, const std::map<int, int16_t>& filled)
{
    for (int row = 1; row <= kCategories; ++row) {
        if (f.y.game.player < 1) continue;
        const auto cell = filled.find(row);
        f.y.game.scores[row][f.y.game.player] =
            cell == filled.end() ? ScoreCell() : ScoreCell(cell->second);
    }
}

void dice(FakeGame& f, const std::string& faces, const std::string& holds)
{
    for (int die = 0; die < kDice; ++die) {
        f.y.game.dice[die] = faceOf(faces[die]);
        f.y.game.held[die] = holds[die] == 'H';
    }
}

// Every player's total; an empty one was never drawn.
void totals(FakeGame& f, std::vector<ScoreCell> t)
{
    f.y.game.numPlayers = static_cast<int16_t>(t.size());
    for (std::size_t p = 0; p < t.size(); ++p) f.y.game.scores[kTotalRow][p + 1] = t[p];
}

// Keeps the voice speaking so that nothing leaves the queue: the whole report can be read.
void holdVoice(FakeGame& f)
{
    f.voice.speakingReads = 1 << 30;
    f.voice.speak("still speaking", SpeakMode::Async);
    f.voice.spoken.clear();
}

std::string allNames()
{
    std::string out;
    for (int row = 1; row <= kCategories; ++row) out += std::string("\t") + kNames[row];
    return out;
}

struct Situation {
    const char* name;
    std::function<void(FakeGame&)> setup;
};

const Situation kStart{"at the start", [](FakeGame& f) { f.y.game.state = EngineState::Idle; }};

const Situation kOnePlayerTurn{"one player, second throw of round 4", [](FakeGame& f) {
    Game& g = f.y.game;
    g.state = EngineState::Rolled;
    totals(f, {45});
    g.player = 1;
    g.round = 4;
    g.roll = 2;
    g.subtotal = 30;
    card(f, {{1, 3}, {2, 6}, {12, 21}});
    dice(f, "35162", ".H...");
}};

const Situation kTwoPlayerTurn{"two players, player 2 choosing in round 1", [](FakeGame& f) {
    Game& g = f.y.game;
    g.state = EngineState::Choosing;
    totals(f, {120, {}});
    g.player = 2;
    g.round = 1;
    g.roll = 3;
    card(f, {});
    dice(f, "44246", "HH...");
}};

const Situation kRoundEnd{"two players, end of round 2", [](FakeGame& f) {
    Game& g = f.y.game;
    g.state = EngineState::WaitSpace;
    totals(f, {120, 87});
    g.player = 1;
    g.round = 3;
    g.roll = 0;
    // The sheet shows the players' totals until the next turn opens.
    showScoreboard(f.y.tell);
    // Player 1, about to throw, has filled Fours and Chance; player 2 only Ones.
    g.scores[4][1] = 16;
    g.scores[12][1] = 22;
    g.scores[1][2] = 2;
    dice(f, "?????", ".....");
}};

const Situation kLastRound{"one player, round 13 with only Chance unfilled", [](FakeGame& f) {
    Game& g = f.y.game;
    g.state = EngineState::Rolled;
    totals(f, {190});
    g.player = 1;
    g.round = 13;
    g.roll = 1;
    g.subtotal = 63;
    std::map<int, int16_t> filled;
    for (int row = 1; row <= kCategories; ++row)
        if (row != 12) filled[row] = 9;
    card(f, filled);
    dice(f, "11111", "HHHHH");
}};

const Situation kOverTwo{"two players, after the game", [](FakeGame& f) {
    Game& g = f.y.game;
    g.state = EngineState::Idle;
    totals(f, {120, 87});
    g.player = 1;
    g.round = 0;
    card(f, {});
}};

const Situation kOverOne{"one player, after the game", [](FakeGame& f) {
    Game& g = f.y.game;
    g.state = EngineState::Idle;
    totals(f, {231});
    g.player = 1;
    g.round = 0;
    g.subtotal = 70;
    card(f, {{1, 3}});
}};

// Player 1 of two has just scored Ones in round 5: "player 1 scores ..." is still to be heard.
const Situation kTurnEnd{"two players, player 1 has just scored", [](FakeGame& f) {
    Game& g = f.y.game;
    g.state = EngineState::TurnEnd;
    totals(f, {40, 35});
    g.player = 1;
    g.round = 5;
    g.roll = 3;
    card(f, {{1, 2}, {2, 4}, {3, 6}, {4, 8}, {5, 10}});
    g.scores[12][2] = 22;
}};

const Situation kLastScore{"two players, player 2's last score of the game", [](FakeGame& f) {
    Game& g = f.y.game;
    g.state = EngineState::TurnEnd;
    totals(f, {200, 180});
    g.player = 2;
    g.round = 13;
    g.roll = 3;
}};

// Player 2 is the computer, between its throws.
const Situation kComputerTurn{"person and computer, the computer's second throw", [](FakeGame& f) {
    Game& g = f.y.game;
    g.state = EngineState::Rolled;
    totals(f, {30, 25});
    g.seats.kind[2] = SeatKind::Strong;
    g.player = 2;
    g.round = 3;
    g.roll = 2;
    dice(f, "12345", ".....");
}};

}  // namespace

TEST(Reports, FunctionKeysQueueTheReportOfTheSituation)
{
    struct Case {
        const Situation& situation;
        int key;
        std::string queued;
    };
    const std::vector<Case> cases = {
        {kStart, keys::F2, kGameOver},
        {kStart, keys::F3, kGameOver},
        // Before any game there is no score: F4 says what F2 and F3 say.
        {kStart, keys::F4, kGameOver},

        {kOnePlayerTurn, keys::F2, " 3 1 6 2"},
        {kOnePlayerTurn, keys::F3,
         "10 categories left to fill\tThrees\tFours\tFives\tSixes\t3 of a kind\t4 of a kind"
         "\tFull house\tSmall straight\tLarge straight\tYacht"},
        {kOnePlayerTurn, keys::F4,
         "At the end of the round your score is 45 and your sub total is 30" + kContinue},

        {kTwoPlayerTurn, keys::F2, " 2 4 6"},
        {kTwoPlayerTurn, keys::F3, "13 categories left to fill" + allNames()},
        {kTwoPlayerTurn, keys::F4,
         "At the end of the round the scores are, \tplayer 1, 120\tplayer 2, 0" + kContinue},

        {kRoundEnd, keys::F2, " ? ? ? ? ?"},
        // The player about to throw hears their own free categories, though the sheet shows
        // the totals: the count and the list agree.
        {kRoundEnd, keys::F3,
         "11 categories left to fill\tOnes\tTwos\tThrees\tFives\tSixes\t3 of a kind\t4 of a kind"
         "\tFull house\tSmall straight\tLarge straight\tYacht"},
        {kRoundEnd, keys::F4,
         "At the end of the round the scores are, \tplayer 1, 120\tplayer 2, 87" + kContinue},

        {kLastRound, keys::F2, " 1 1 1 1 1"},
        {kLastRound, keys::F3, "1 categories left to fill\tChance"},

        // Between turns F3 is about the player who throws next; after the game's last score it
        // is over.
        {kTurnEnd, keys::F3,
         "12 categories left to fill\tOnes\tTwos\tThrees\tFours\tFives\tSixes\t3 of a kind"
         "\t4 of a kind\tFull house\tSmall straight\tLarge straight\tYacht"},
        {kLastScore, keys::F3, kGameOver},
        // The computer plays on by itself: nobody is asked for the space bar.
        {kComputerTurn, keys::F4, "At the end of the round the scores are, \tplayer 1, 30\tplayer 2, 25"},

        {kOverTwo, keys::F2, kGameOver},
        {kOverTwo, keys::F3, kGameOver},
        {kOverTwo, keys::F4,
         "At the end of the game the scores are, \tplayer 1, 120\tplayer 2, 87" + kNewGameOrHelp},
        {kOverOne, keys::F2, kGameOver},
        {kOverOne, keys::F3, kGameOver},
        {kOverOne, keys::F4, "At the end of the game your score is 231" + kNewGameOrHelp},
    };
    for (const Case& c : cases) {
        FakeGame f;
        c.situation.setup(f);
        f.y.toBeHeard = queued("something still queued");
        const EngineState state = f.y.game.state;
        holdVoice(f);

        f.press(c.key);

        EXPECT_EQ(f.y.toBeHeard, queued(c.queued)) << c.situation.name << ", F" << c.key - keys::F1 + 1;
        EXPECT_EQ(f.y.game.state, state) << c.situation.name;
    }
}

TEST(Reports, TheQueuedReportIsSpokenItemByItemSkippingEmptyOnes)
{
    FakeGame f;
    kRoundEnd.setup(f);
    f.press(keys::F3);
    f.y.toBeHeard.say("");
    f.y.toBeHeard.say("last");
    f.settle();
    const auto heard = f.voice.texts();
    ASSERT_EQ(heard.size(), 13u);
    EXPECT_EQ(heard.front(), "11 categories left to fill");
    EXPECT_EQ(heard.back(), "last");
}

TEST(F3BetweenTurns, NamesTheFreeCategoriesOfThePlayerAboutToThrow)
{
    FakeGame f;
    Game& g = f.y.game;
    g.numPlayers = 2;
    g.player = 1;
    g.round = 2;
    g.scores[1][1] = 3;
    g.scores[13][2] = 50;
    card(f, {{1, 3}});
    dice(f, "66666", ".....");
    priceCategories(f.y.game);
    g.state = EngineState::Choosing;
    g.categoryCursor = 6;
    f.press(keys::Enter);  // player 1 scores Sixes; the sheet keeps their card until player 2 throws
    f.settle();
    ASSERT_EQ(g.state, EngineState::WaitSpace);
    ASSERT_EQ(g.player, 2);
    ASSERT_EQ(f.shown().sheetValues[6].caption, "30");

    holdVoice(f);
    f.press(keys::F3);
    std::string rest;
    for (int row = 1; row <= 12; ++row) rest += std::string("\t") + kNames[row];
    EXPECT_EQ(f.y.toBeHeard, queued("12 categories left to fill" + rest));
}

}  // namespace yacht::test
