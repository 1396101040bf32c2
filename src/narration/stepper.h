#pragma once
// The stepper: runs the game's steps for a front end, when a key, a click, the clock or the
// sequencer asks, and raises the new-game question after the step that asked it.

#include <functional>

#include "narration/sequencer.h"

namespace yacht {

// What a front end does around the steps: post a call to its event loop, draw, and ask "Start new
// game?" (answered later through answer()). Any of them may be left empty.
struct FrontHooks {
    std::function<void(std::function<void()>)> post;  // runs the call one turn of the event loop later
    std::function<void()> draw;     // after each step, and when a wake waits for the question
    std::function<void()> stepped;  // after a step that acted
    std::function<void()> ask;      // the question is to be asked
};

// Steps the game one at a time: a step is never made while the question waits for its answer,
// and a wake that comes meanwhile is kept for the step after the answer.
class Stepper {
public:
    Stepper(Yacht& y, Sequencer& sequencer, FrontHooks hooks);
    Stepper(const Stepper&) = delete;
    Stepper& operator=(const Stepper&) = delete;

    // One step of the game and what follows it: drawing, and the question if the step asked it.
    void step();
    // Acts on a key or a click at once: a step now, or after the answer while the question waits.
    void wake();
    // Asks for a step from the event loop, once however often it is asked before it comes.
    void wakeSoon();
    // The greeting, once: before the first step, or when the window is first activated.
    void greetOnce();
    // The player has answered the question; the next step takes the answer before any key.
    void answer(bool ok);

    // Whether the question waits for its answer.
    bool asking() const { return asking_; }
    // Whether a step has been asked for and not yet made.
    bool stepPosted() const { return wakePosted_; }

private:
    Yacht& y_;
    Sequencer& sequencer_;
    FrontHooks hooks_;
    bool wakePosted_ = false;
    bool missedWake_ = false;  // a step was asked for while the question waited
    bool greeted_ = false;
    bool asking_ = false;
};

}  // namespace yacht
