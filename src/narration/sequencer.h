#pragma once
// The sequencer: steps the game when something happens, and hands what it queued to be heard to
// the voice and the sound player one item at a time, the next once the last has been heard.

#include <functional>

#include "engine/yacht.h"

namespace yacht {

// Drives the game by its own signals: a key, a click, a timer on the clock, or the voice or the
// sound player telling it they have finished. Each of them asks for a step; a step runs the
// engine and then hands over the next queued item if nothing is being heard. Nothing polls: when
// the game waits for the player, nothing is asked for until the player acts.
class Sequencer {
public:
    // Listens to the game's voice and sound player from now on.
    explicit Sequencer(Yacht& y);
    Sequencer(const Sequencer&) = delete;
    Sequencer& operator=(const Sequencer&) = delete;

    // One step of the game: the engine acts on the key waiting (if any) and on whatever has become
    // due, then the next item is handed over. When the step leaves something to do at once (an
    // item that was empty, a throw that says nothing), another step is asked for. While the
    // rolling sound plays, or the words after it are said, no step is made (false): the keys
    // pressed meanwhile wait as the pending input and are taken once that has been heard.
    bool step();

    // Takes the next item of the queue once nothing is being heard: text is spoken (to be waited
    // for right after a sound), "rolldice" starts the dice sound, an empty item is skipped.
    void handNext();

    // Whether keys wait: the rolling sound plays, or the words after it are being said.
    bool holdingKeys();

    // How a step is asked for from outside any step: the window posts one to its event loop.
    // Without it (tests) steps are only made when called.
    void onStepWanted(std::function<void()> want) { want_ = std::move(want); }

    // Whether the sound handed over is still playing.
    bool soundPlaying() const { return soundPlaying_; }

private:
    // The voice or the sound player has news: a step is asked for.
    void heard();
    // True when a step now would act without any new key, timer or report.
    bool moreToDo();

    // Once the game is leaving and goodbye has been said, the program ends.
    void quitWhenQuiet();

    Yacht& y_;
    bool soundPlaying_ = false;
    bool waitedText_ = false;  // words handed over to be waited for, maybe not yet said
    bool quitAsked_ = false;
    std::function<void()> want_;
};

}  // namespace yacht
