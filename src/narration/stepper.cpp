#include "narration/stepper.h"

#include "engine/key_input.h"

namespace yacht {

Stepper::Stepper(Yacht& y, Sequencer& sequencer, FrontHooks hooks)
    : y_(y), sequencer_(sequencer), hooks_(std::move(hooks))
{
    sequencer.onStepWanted([this] { wakeSoon(); });
}

void Stepper::greetOnce()
{
    if (greeted_) return;
    greeted_ = true;
    windowActivated(y_.tell);
}

void Stepper::step()
{
    if (asking_ || y_.quitting) return;
    // The greeting belongs before the first step, whatever order the platform delivers events in.
    greetOnce();
    const bool stepped = sequencer_.step();
    if (y_.quitting) return;
    if (hooks_.draw) hooks_.draw();
    if (!stepped) return;  // keys wait for the rolling sound, and the dice after it, to be heard
    if (hooks_.stepped) hooks_.stepped();
    if (y_.newGameAsked) {
        y_.newGameAsked = false;
        asking_ = true;
        if (hooks_.ask) hooks_.ask();
        return;
    }
    // A key came while the question waited, or news: taken now.
    if (y_.pendingInput || missedWake_) wakeSoon();
    missedWake_ = false;
}

void Stepper::wake()
{
    if (y_.quitting) return;
    if (asking_) {
        missedWake_ = true;
        if (hooks_.draw) hooks_.draw();
        return;
    }
    step();
}

void Stepper::wakeSoon()
{
    if (wakePosted_ || !hooks_.post) return;
    wakePosted_ = true;
    hooks_.post([this] {
        wakePosted_ = false;
        wake();
    });
}

void Stepper::answer(bool ok)
{
    asking_ = false;
    y_.answer = Action::of(ActionKind::AnswerNewGame, ok ? 1 : 0);
}

}  // namespace yacht
