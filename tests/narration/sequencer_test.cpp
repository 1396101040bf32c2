// The sequencer steps the game on its own signals: after a step it asks for another only when the
// game has something to do at once, and an idle game has nothing scheduled on the clock.

#include <gtest/gtest.h>

#include "engine/key_codes.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

TEST(TheSequencer, AsksForAnotherStepOnlyWhenTheGameHasSomethingToDo)
{
    struct Case {
        const char* what;
        EngineState state;
        const char* queue;
        bool computer;  // player 1 is the computer's
        bool speaking;  // the voice is still saying something
        bool wanted;    // another step is asked for at once
        bool clocked;   // a call waits on the clock
    };
    const EngineState I = EngineState::Idle, P = EngineState::Players, W = EngineState::WaitSpace,
                      D = EngineState::Rolled, C = EngineState::Choosing, R = EngineState::Rolling,
                      T = EngineState::TurnEnd;
    const Case cases[] = {
        {"no game", I, "", false, false, false, false},
        {"choosing players", P, "", false, false, false, false},
        {"waiting for the space bar", W, "", false, false, false, false},
        {"between throws, waiting for the player", D, "", false, false, false, false},
        {"choosing a category", C, "", false, false, false, false},
        {"an empty item leaves the next to hand over", I, "\t\tmore", false, false, true, false},
        {"words still being said: the voice's end is waited for", I, "more", false, true, false, false},
        {"a pending throw is made and said, then the player is waited for", R, "", false, false, false, false},
        {"a computer's turn without the table asks again on the clock", W, "", true, false, false, true},
        {"a turn ending moves on", T, "", false, false, true, false},
    };
    for (const Case& c : cases) {
        FakeGame f;
        Game& g = f.y.game;
        int wanted = 0;
        f.sequencer.onStepWanted([&wanted] { ++wanted; });
        g.numPlayers = 1;
        g.player = 1;
        g.round = 2;
        g.roll = c.state == R ? 3 : 1;
        g.held = {1, 1, 1, 1, 1};
        g.dice = {2, 4, 4, 4, 2};
        g.state = c.state;
        f.y.voiceChoice.voiceApplied = true;
        if (c.computer) g.seats.kind[1] = SeatKind::Strong;
        f.y.toBeHeard = queued(c.queue);
        if (c.speaking) {
            f.voice.speakingReads = 5;
            f.voice.speak("words", SpeakMode::Async);
        }
        f.sequencer.step();
        EXPECT_EQ(wanted > 0, c.wanted) << c.what;
        EXPECT_EQ(f.clock.waiting() > 0, c.clocked) << c.what;
    }
}

}  // namespace
}  // namespace yacht::test
