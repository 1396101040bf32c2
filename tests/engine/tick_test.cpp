// The tick's own steps: the first tick, the status caption, the key intake and its pacing.

#include <gtest/gtest.h>

#include "engine/key_codes.h"
#include "engine/key_input.h"
#include "engine/status_caption.h"
#include "engine/tick.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

const std::string kNewGameOrHelp =
    "Press function key F 9 to start a new game or function key F 1 for help. ";

TEST(FirstTickWithNoSavedGame, GreetsAndHearsTheF9SentenceTwice)
{
    FakeGame f;
    f.y.game.state = EngineState::Startup;
    windowActivated(f.y.tell);
    f.tick();
    EXPECT_EQ(f.y.game.state, EngineState::Idle);
    EXPECT_EQ(f.shown().statusBox.caption, "Game over");
    ASSERT_EQ(f.voice.spoken.size(), 1u);
    EXPECT_EQ(f.voice.spoken[0].text,
              "Yacht, from Tevrin Software. " + kNewGameOrHelp + kNewGameOrHelp);
}

TEST(StatusCaption, FollowsTheStateAndTheRoll)
{
    struct Case {
        EngineState state;
        int16_t roll;
        int16_t round;
        std::string before;
        std::string caption;
    };
    const Case cases[] = {
        {EngineState::Idle, 0, 0, "", "Game over"},
        {EngineState::Rolled, 1, 1, "", "Roll dice"},
        {EngineState::Choosing, 3, 1, "", "Select category"},
        {EngineState::Players, 0, 1, "", "Choose players"},
        {EngineState::TurnEnd, 0, 1, "", "Press space bar to begin"},
        {EngineState::WaitSpace, 1, 2, "", "Press space bar to continue"},
        // In round 1 the waiting caption stays as the turn end left it.
        {EngineState::WaitSpace, 1, 1, "Press space bar to begin", "Press space bar to begin"},
        {EngineState::Rolling, 1, 1, "", "First roll"},
        {EngineState::Rolling, 2, 1, "", "Second roll"},
        {EngineState::Rolling, 3, 1, "", "Third roll"},
    };
    for (const Case& c : cases) {
        FakeGame f;
        f.y.game.state = c.state;
        f.y.game.roll = c.roll;
        f.y.game.round = c.round;
        if (!c.before.empty()) f.view.status = Status::SpaceToBegin;
        if (const std::optional<Status> status = statusCaption(f.y.game)) f.y.tell({event::StatusShown{*status}});
        EXPECT_EQ(f.shown().statusBox.caption, c.caption) << int(c.state) << " roll " << c.roll;
    }
}

TEST(KeyInput, RecordsTwoCharactersAndTheLastKeyWins)
{
    struct Case {
        const char* name;
        EngineState state;
        std::vector<std::pair<int, int>> presses;
        PendingInput pending;
    };
    const Case cases[] = {
        {"ShiftF1", EngineState::Idle, {{keys::F1, keys::Shift}}, Key{keys::F1, keys::Shift}},
        {"CtrlShiftF1", EngineState::Idle, {{keys::F1, keys::Shift | keys::Ctrl}},
         Key{keys::F1, keys::Shift | keys::Ctrl}},
        {"SpaceWhileRollPendingIsDropped", EngineState::Rolling, {{keys::Space, 0}}, std::nullopt},
        {"SpaceOtherwiseKept", EngineState::Rolled, {{keys::Space, 0}}, Key{keys::Space}},
        {"SecondOfTwoWins", EngineState::Rolled, {{keys::Left, 0}, {keys::Digit1 + 2, 0}},
         Key{keys::Digit1 + 2}},
        {"KeypadDigitRecorded", EngineState::Rolled, {{keys::Keypad0 + 3, 0}}, Key{keys::Keypad0 + 3}},
    };
    for (const Case& c : cases) {
        FakeGame f;
        f.y.game.state = c.state;
        for (auto [code, modifier] : c.presses) f.post(code, modifier);
        EXPECT_EQ(f.y.pendingInput, c.pending) << c.name;
    }
}

TEST(KeyIntake, DropsWhatIsQueuedButNotWhatIsBeingSaid)
{
    FakeGame f;
    f.voice.speakingReads = 3;
    f.y.toBeHeard = queued("\tfirst\tsecond\tthird");
    f.tick();  // "first" is handed to the voice, which is now speaking
    ASSERT_EQ(f.voice.texts(), std::vector<std::string>{"first"});

    const int priorityBefore = f.voice.priorityOverCalls;
    f.post('Q', 0);
    f.tick();
    EXPECT_EQ(f.y.toBeHeard, queued(""));
    EXPECT_FALSE(f.y.pendingInput.has_value());
    EXPECT_GT(f.voice.priorityOverCalls, priorityBefore);
    for (int i = 0; i < 5; ++i) f.tick();
    EXPECT_EQ(f.voice.texts(), std::vector<std::string>{"first"});
}

TEST(AModifierOrLockKeyAlone, HushesTheQueueAndIsOtherwiseNoKey)
{
    struct Case {
        const char* name;
        EngineState state;
        int code;
        int modifier;
        int stops;  // Ctrl alone also stops the voice at once
    };
    const Case cases[] = {
        {"Ctrl while choosing", EngineState::Choosing, keys::CtrlKey, keys::Ctrl, 1},
        {"Shift while choosing", EngineState::Choosing, keys::ShiftKey, keys::Shift, 0},
        {"Alt choosing players", EngineState::Players, keys::AltKey, keys::Alt, 0},
        {"Caps Lock choosing players", EngineState::Players, keys::CapsLock, 0, 0},
        {"Num Lock while rolled", EngineState::Rolled, keys::NumLock, 0, 0},
        {"Ctrl while waiting", EngineState::WaitSpace, keys::CtrlKey, keys::Ctrl, 1},
    };
    for (const Case& c : cases) {
        FakeGame f;
        Game& g = f.y.game;
        g.state = c.state;
        g.numPlayers = 2;
        g.categoryCursor = 3;
        f.voice.speakingReads = 1 << 30;
        f.voice.speak("being said", SpeakMode::Async);
        f.y.toBeHeard = queued("\tstill queued\tand more");

        f.press(c.code, c.modifier);

        EXPECT_EQ(f.y.toBeHeard, queued("")) << c.name;
        EXPECT_EQ(g.state, c.state) << c.name;
        EXPECT_EQ(g.numPlayers, 2) << c.name;
        EXPECT_EQ(g.categoryCursor, 3) << c.name;
        EXPECT_EQ(f.voice.stops, c.stops) << c.name;
        EXPECT_EQ(f.voice.texts(), std::vector<std::string>{"being said"}) << c.name;
    }
}

TEST(AModifierAlone, DoesNotPushAsideAKeyNotYetTaken)
{
    FakeGame f;
    f.y.game.state = EngineState::Rolled;
    f.post(keys::Digit1 + 2, 0);
    f.post(keys::ShiftKey, keys::Shift);
    EXPECT_EQ(f.y.pendingInput, PendingInput{Key{keys::Digit1 + 2}});
    f.post(keys::CtrlKey, keys::Ctrl);
    EXPECT_EQ(f.y.pendingInput, PendingInput{Key{keys::Digit1 + 2}});
    EXPECT_EQ(f.voice.stops, 1);
}

TEST(KeyIntake, LeavesTheQueueAloneForCodesAndModifiersTheGameDoesNotKnow)
{
    for (const auto& [code, modifier] :
         {std::pair{0, 0}, std::pair{256, 0}, std::pair{-3, 0}, std::pair{int(keys::Space), 8}}) {
        FakeGame f;
        f.y.game.state = EngineState::Rolled;
        f.y.toBeHeard = queued("\tkept");
        f.post(code, modifier);
        f.tick();
        EXPECT_FALSE(f.y.pendingInput.has_value()) << code;
        EXPECT_EQ(f.voice.texts(), std::vector<std::string>{"kept"}) << code;
    }
}

TEST(F9, EndsTheTickBeforeThePump)
{
    FakeGame f;
    f.y.game.state = EngineState::Idle;
    f.press(keys::F9);
    EXPECT_TRUE(f.voice.spoken.empty());
}

TEST(F12, SaysGoodbyeSynchronouslyAndNoTickActsAfterwards)
{
    FakeGame f;
    f.y.game.state = EngineState::Idle;
    f.press(keys::F12);
    ASSERT_FALSE(f.voice.spoken.empty());
    EXPECT_EQ(f.voice.spoken.back().text, "goodbye");
    EXPECT_EQ(f.voice.spoken.back().mode, SpeakMode::Sync);
    EXPECT_TRUE(f.toolkit.quit);
    const auto said = f.voice.spoken.size();
    f.y.toBeHeard = queued("\tafter the end");
    f.tick();
    EXPECT_EQ(f.voice.spoken.size(), said);
}

}  // namespace
}  // namespace yacht::test
