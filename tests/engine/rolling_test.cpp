// Whole turns driven through the tick: the throws, the announcements, holding, the dice cursor
// and the Yacht with its bonus.

#include <gtest/gtest.h>

#include "engine/key_codes.h"
#include "support/turn_script.h"

namespace yacht::test {
namespace {

using Heard = std::vector<std::string>;
const std::string kChoose =
    "Use the arrow keys to choose the category then press the enter key to score";

// One tick without a key, after which the status caption shows the current state.
std::string status(FakeGame& f)
{
    f.tick();
    return f.shown().statusBox.caption;
}

TEST(AThreeThrowTurn, SaysEveryFaceFirstThenOnlyTheDiceThrownAgain)
{
    FakeGame f;
    f.random.push({1, 2, 3, 4, 6});
    openTurn(f);
    EXPECT_EQ(f.voice.last(), "round 1 first roll");
    EXPECT_EQ(drain(f), (Heard{"rolldice", " 1 2 3 4 6"}));
    EXPECT_EQ(f.dice(), "12346");
    EXPECT_EQ(f.y.game.state, EngineState::Rolled);
    EXPECT_EQ(status(f), "Roll dice");
    expectBoardInStep(f, "first throw");

    for (int d = 1; d <= 4; ++d) pressAndDrain(f, keys::Digit0 + d);
    EXPECT_EQ(f.voice.last(), "hold the fourth dice ");
    expectBoardInStep(f, "four held");

    f.random.push({6});
    f.press(keys::Space);
    EXPECT_EQ(f.y.game.roll, 2);
    EXPECT_EQ(f.dice(), "1234?");
    EXPECT_EQ(f.voice.last(), "second roll");
    EXPECT_EQ(status(f), "Second roll");
    EXPECT_EQ(f.y.toBeHeard.lastHeard, "rolldice");
    EXPECT_EQ(drain(f), (Heard{" 6"}));
    EXPECT_EQ(f.dice(), "12346");
    EXPECT_EQ(f.random.draws, 6);
    expectBoardInStep(f, "second throw");

    EXPECT_EQ(pressAndDrain(f, keys::Digit1), (Heard{"release the first dice "}));
    f.random.push({6, 5});
    f.press(keys::Space);
    EXPECT_EQ(f.voice.last(), "final roll");
    EXPECT_EQ(status(f), "Third roll");
    EXPECT_EQ(f.y.toBeHeard.lastHeard, "rolldice");
    EXPECT_EQ(drain(f), (Heard{" 6 5", kChoose}));
    EXPECT_EQ(f.dice(), "62345");
    EXPECT_EQ(f.random.draws, 8);
    EXPECT_EQ(f.y.game.state, EngineState::Choosing);
    EXPECT_EQ(f.y.game.roll, 3);
    EXPECT_EQ(f.y.game.categoryCursor, 0);
    EXPECT_EQ(f.y.game.categoryValues[11], 40);
    EXPECT_EQ(status(f), "Select category");
    expectBoardInStep(f, "final throw");
}

TEST(AYachtOnTheFirstThrow, SaysYachtAndStartsChoosingOnTheYachtRow)
{
    FakeGame f;
    f.random.push({4, 4, 4, 4, 4});
    openTurn(f);
    EXPECT_EQ(drain(f), (Heard{"rolldice", "yacht", kChoose}));
    EXPECT_EQ(f.y.game.state, EngineState::Choosing);
    EXPECT_EQ(f.y.game.roll, 3);
    EXPECT_EQ(f.y.game.categoryCursor, 13);
    // No further throw is possible: the space bar only announces the row under the cursor.
    EXPECT_EQ(pressAndDrain(f, keys::Space), (Heard{"Yacht is worth 50"}));
    EXPECT_EQ(f.random.draws, 5);

    f.press(keys::Enter);
    EXPECT_EQ(f.y.game.scores[13][1], 50);
    EXPECT_EQ(f.shown().sheetValues[13].caption, "50");
    EXPECT_EQ(f.voice.last(), "After 1 round your total score is 50");
    EXPECT_EQ(f.y.game.state, EngineState::TurnEnd);
    expectBoardInStep(f, "Yacht scored");
}

TEST(AYachtWhileTheYachtRowHoldsFifty, PaysOneHundredAtOnceBeforeAnyChoice)
{
    FakeGame f;
    Game& g = f.y.game;
    g.scores[13][1] = 50;
    g.scores[14][1] = 100;  // one bonus already paid this game
    g.scores[3][1] = 9;
    f.random.push({3, 3, 3, 2, 5});
    openTurn(f);
    drain(f);
    EXPECT_EQ(f.shown().sidePanel[2].caption, "159");
    for (int d : {1, 2, 3}) pressAndDrain(f, keys::Digit0 + d);

    f.random.push({3, 3});
    EXPECT_EQ(pressAndDrain(f, keys::Space), (Heard{"second roll", "rolldice", "yacht", kChoose}));
    EXPECT_EQ(g.scores[14][1], 200);
    EXPECT_EQ(g.total, 259);
    EXPECT_EQ(f.shown().sidePanel[2].caption, "259");
    EXPECT_EQ(g.state, EngineState::Choosing);
    EXPECT_EQ(g.categoryCursor, 0);  // Yacht is taken, so the cursor does not start on it
    expectBoardInStep(f, "bonus paid");

    // The bonus stays in the total when the turn is scored.
    for (int i = 0; i < 7; ++i) f.press(keys::Down);
    EXPECT_EQ(f.voice.last(), "3 of a kind is worth 15");
    f.press(keys::Enter);
    EXPECT_EQ(g.total, 50 + 200 + 9 + 15);
    EXPECT_EQ(f.voice.last(), "After 1 round your total score is 274");
}

TEST(AYachtWhileTheYachtRowIsNotFifty, PaysNothing)
{
    struct Case {
        ScoreCell yachtRow;
        int16_t cursor;  // where choosing starts
    };
    for (const Case c : {Case{0, 0}, Case{{}, 13}}) {
        FakeGame f;
        f.y.game.scores[13][1] = c.yachtRow;
        f.random.push({2, 2, 2, 2, 2});
        openTurn(f);
        drain(f);
        EXPECT_EQ(f.y.game.scores[14][1], std::nullopt) << cellText(c.yachtRow);
        EXPECT_EQ(f.y.game.total, 0) << cellText(c.yachtRow);
        EXPECT_EQ(f.y.game.categoryCursor, c.cursor) << cellText(c.yachtRow);
    }
}

TEST(AYachtBonusAtTheTopOfTheSixteenBits, StopsAtTheLargestNumberTheSavedGameTakes)
{
    // A bonus sum beyond 32767 would make the next saved game unreadable.
    for (int16_t before : {32700, 32767}) {
        FakeGame f;
        f.y.game.scores[kYachtRow][1] = 50;
        f.y.game.scores[kBonusRow][1] = before;
        f.random.push({4, 4, 4, 4, 4});
        openTurn(f);
        drain(f);
        EXPECT_EQ(f.y.game.scores[kBonusRow][1], INT16_MAX) << before;
    }
}

TEST(AllFiveHeld, TheSpaceBarEndsTheThrowingWithoutASoundOrADraw)
{
    FakeGame f;
    f.random.push({2, 3, 4, 5, 6});
    openTurn(f);
    drain(f);
    for (int d = 1; d <= 5; ++d) pressAndDrain(f, keys::Digit0 + d);

    f.press(keys::Space);
    EXPECT_EQ(f.y.game.state, EngineState::Rolling);
    EXPECT_EQ(f.y.game.roll, 3);
    EXPECT_EQ(f.y.toBeHeard, queued(""));
    // The pending throw draws nothing, announces no die and goes straight to choosing.
    EXPECT_EQ(drain(f), (Heard{kChoose}));
    EXPECT_EQ(f.random.draws, 5);
    EXPECT_EQ(f.dice(), "23456");
    EXPECT_EQ(f.y.game.state, EngineState::Choosing);
    EXPECT_EQ(f.y.game.categoryValues[10], 30);
    expectBoardInStep(f, "all held");
}

TEST(TheDiceCursor, WrapsAtBothEndsAndMarksItsDieInRed)
{
    FakeGame f;
    f.random.push({2, 3, 1, 5, 6});
    openTurn(f);
    drain(f);
    pressAndDrain(f, keys::Digit1);

    struct Step {
        int key;
        int cursor;
        const char* said;
    };
    const Step steps[] = {
        {keys::Left, 5, "Fifth dice 6"},  {keys::Right, 1, "First dice 2, held"},
        {keys::Left, 5, "Fifth dice 6"},  {keys::Left, 4, "Fourth dice 5"},
        {keys::Right, 5, "Fifth dice 6"}, {keys::Right, 1, "First dice 2, held"},
        {keys::Right, 2, "Second dice 3"}, {keys::Right, 3, "Third dice 1"},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(pressAndDrain(f, s.key), (Heard{s.said}));
        EXPECT_EQ(f.y.game.diceCursor, s.cursor);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(f.shown().dice[i].backcolor, i == s.cursor - 1 ? colour::red : colour::white)
                << "cursor " << s.cursor << " die " << i;
    }
    // Up and down do nothing between throws.
    EXPECT_EQ(pressAndDrain(f, keys::Up), Heard{});
    EXPECT_EQ(pressAndDrain(f, keys::Down), Heard{});
    EXPECT_EQ(f.y.game.diceCursor, 3);

    // The next throw whitens the dice and forgets the cursor.
    f.random.push({4, 4, 4, 4});
    pressAndDrain(f, keys::Space);
    EXPECT_EQ(f.y.game.diceCursor, 0);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(f.shown().dice[i].backcolor, colour::white);
}

TEST(EnterBetweenThrows, HoldsTheDieUnderTheCursorAndDoesNothingWithoutOne)
{
    FakeGame f;
    f.random.push({2, 3, 1, 5, 6});
    openTurn(f);
    drain(f);
    EXPECT_EQ(pressAndDrain(f, keys::Enter), Heard{});
    EXPECT_EQ(f.y.game.held, (std::array<int16_t, 5>{0, 0, 0, 0, 0}));

    for (int i = 0; i < 3; ++i) f.press(keys::Right);
    EXPECT_EQ(pressAndDrain(f, keys::Enter), (Heard{"hold the third dice "}));
    EXPECT_EQ(f.shown().holdMarks[2].caption, "HOLD");
    EXPECT_EQ(pressAndDrain(f, keys::Digit0 + 3), (Heard{"release the third dice "}));
    EXPECT_EQ(pressAndDrain(f, keys::Digit0 + 5), (Heard{"hold the last dice "}));
    EXPECT_EQ(pressAndDrain(f, keys::Digit0 + 5), (Heard{"release the last dice "}));
    // The sixth digit is no die.
    EXPECT_EQ(pressAndDrain(f, keys::Digit0 + 6), Heard{});
    expectBoardInStep(f, "after holding");
}

TEST(ADigitWithNoThrowMade, BeepsAndHoldsNothing)
{
    FakeGame f;
    f.y.game.state = EngineState::Rolled;
    f.y.game.roll = 0;
    f.press(keys::Digit1);
    EXPECT_EQ(f.toolkit.beeps, 1);
    EXPECT_EQ(f.y.game.held[0], 0);
    EXPECT_EQ(f.shown().holdMarks[0].caption, "");
}

}  // namespace
}  // namespace yacht::test
