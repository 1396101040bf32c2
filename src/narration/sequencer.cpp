#include "narration/sequencer.h"

#include "engine/computer_turn.h"
#include "engine/sound_help.h"
#include "engine/speech_output.h"
#include "engine/tick.h"

namespace yacht {

Sequencer::Sequencer(Yacht& y) : y_(y)
{
    y.ports.voice.listen([this] { heard(); });
    y.ports.voice.listenForHandover([this] {
        y_.voiceChoice.engineToBeRead = true;
        heard();
    });
    y.ports.sound.listen([this] {
        soundPlaying_ = false;
        heard();
    });
}

void Sequencer::heard()
{
    if (y_.quitting) return quitWhenQuiet();
    if (want_) want_();
}

bool Sequencer::holdingKeys()
{
    if (waitedText_) waitedText_ = y_.ports.voice.runningState() != RunState::Done;
    return soundPlaying_ || waitedText_;
}

void Sequencer::quitWhenQuiet()
{
    if (quitAsked_ || holdingKeys() || y_.ports.voice.runningState() != RunState::Done) return;
    quitAsked_ = true;
    y_.ports.toolkit.quitNow();
}

bool Sequencer::step()
{
    if (y_.quitting) {
        quitWhenQuiet();
        return false;
    }
    if (holdingKeys()) return false;
    if (tick(y_) == Flow::Continue) handNext();
    if (y_.quitting) quitWhenQuiet();
    else if (want_ && moreToDo()) want_();
    return true;
}

bool Sequencer::moreToDo()
{
    const Game& g = y_.game;
    if (y_.quitting) return false;
    if (y_.pendingInput) return true;
    if (soundPlaying_ || y_.ports.voice.runningState() != RunState::Done) return false;
    if (!y_.toBeHeard.empty()) return true;
    // A computer's turn that has just become due starts its pause on the next step.
    if (computerTurn(g) && !y_.advisor.pause.waiting()) return true;
    // A throw with nothing to say (all five held), a finished turn and start-up move on by themselves.
    return g.state == EngineState::Rolling || g.state == EngineState::TurnEnd || g.state == EngineState::Startup;
}

void Sequencer::handNext()
{
    const Ports& ports = y_.ports;
    if (y_.toBeHeard.empty() || soundPlaying_ || ports.voice.runningState() != RunState::Done) return;

    SpeechItem item = y_.toBeHeard.take();
    // The item is heard from where a report told part by part goes on from.
    const std::string& text = y_.toBeHeard.lastHeard = std::move(item.text);
    if (text.empty()) return;

    if (item.kind == SpeechItem::Kind::Sound) {
        y_.toBeHeard.syncAfterSound = true;
        soundPlaying_ = true;
        if (!playSound(ports, text)) soundPlaying_ = false;
        return;
    }
    if (y_.toBeHeard.syncAfterSound) {
        waitedText_ = true;
        speakAndWait(ports.voice, text);
    } else
        speakNow(ports.voice, y_.toBeHeard, text);
    y_.toBeHeard.syncAfterSound = false;
}

}  // namespace yacht
