// The stepper makes the front ends' steps: none while the new-game question waits, the answer
// taken by the first step after it, and a step asked for from the event loop only once however
// often it is asked before it comes.

#include <gtest/gtest.h>

#include "narration/stepper.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

TEST(TheStepper, HoldsStepsWhileTheQuestionWaitsAndKeepsAWakeForAfterTheAnswer)
{
    // What the front end is told: "d" drawn, "s" stepped, "?" ask the question, "p" a call posted.
    struct Row {
        const char* what;
        char op;       // 'q' a step that raises the question, 's' step, 'w' wake, 'W' wake soon,
                       // 'n' answer no
        const char* told;
        bool asking;
    };
    const Row script[] = {
        {"a step that raises the question asks it", 'q', "ds?", true},
        {"no step while the question waits", 's', "", true},
        {"a key meanwhile redraws and is kept", 'w', "d", true},
        {"the answer opens the way", 'n', "", false},
        {"the next step takes it, and the kept wake asks for another", 'w', "dsp", false},
        {"a second wake soon before the first comes posts nothing", 'W', "", false},
    };
    FakeGame f;
    f.y.voiceChoice.voiceApplied = true;
    std::string told;
    std::vector<std::function<void()>> posted;
    FrontHooks hooks;
    hooks.post = [&](std::function<void()> call) {
        told += 'p';
        posted.push_back(std::move(call));
    };
    hooks.draw = [&] { told += 'd'; };
    hooks.stepped = [&] { told += 's'; };
    hooks.ask = [&] { told += '?'; };
    Stepper stepper(f.y, f.sequencer, std::move(hooks));
    for (const Row& row : script) {
        told.clear();
        switch (row.op) {
        case 'q': f.y.newGameAsked = true; stepper.step(); break;
        case 's': stepper.step(); break;
        case 'w': stepper.wake(); break;
        case 'W': stepper.wakeSoon(); break;
        case 'n': stepper.answer(false); break;
        }
        EXPECT_EQ(told, row.told) << row.what;
        EXPECT_EQ(stepper.asking(), row.asking) << row.what;
    }
    EXPECT_FALSE(f.y.newGameAsked);
    EXPECT_EQ(posted.size(), 1u);
    EXPECT_TRUE(stepper.stepPosted());
    posted.front()();
    EXPECT_FALSE(stepper.stepPosted());
}

TEST(TheStepper, MakesNoStepOnceTheGameIsLeaving)
{
    FakeGame f;
    int steps = 0;
    FrontHooks hooks;
    hooks.draw = [&] { ++steps; };
    Stepper stepper(f.y, f.sequencer, std::move(hooks));
    f.y.quitting = true;
    stepper.step();
    stepper.wake();
    EXPECT_EQ(steps, 0);
}

}  // namespace
}  // namespace yacht::test
