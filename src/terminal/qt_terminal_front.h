#pragma once
// The terminal front end on Qt's event loop (QCoreApplication, no window system): it reads the
// terminal's keys as they come, makes the engine's steps as the window does, and serves the game
// as its toolkit (beep, the new-game question, quit).

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include "narration/stepper.h"
#include <memory>
#include <optional>
#include <string>

#include "engine/toolkit.h"
#include "engine/yacht.h"
#include "screen/view_facts.h"
#include "terminal/key_decoder.h"
#include "terminal/terminal_lines.h"


namespace yacht {

// The game's front end in a terminal: its keys in, its steps made, its toolkit served.
class TerminalFront : public QObject, public Toolkit {
    Q_OBJECT
public:
    // Keys are read from `inputFd`; `signalFd` is the pipe of the leave signals (-1 for none).
    TerminalFront(int inputFd, int outputFd, int signalFd, KeyDecoder decoder);
    ~TerminalFront() override;

    // The game is wired in after the front end exists, because the game needs it as its toolkit;
    // `voice` is the printing voice the reports go through.
    // `view` is what the sheet key prints besides the game, kept from the game's events by the
    // ViewKeeper the events port goes through.
    void attach(Yacht& game, const ViewFacts& view, Sequencer& sequencer, Voice& voice);
    // Greets and makes the first step once the event loop runs.
    void start();
    // Makes a step soon, from the event loop: the sequencer and the clock ask for one.
    void wakeSoon() { if (stepper_) stepper_->wakeSoon(); }

    // Why the game left without goodbye (a signal, the end of input), empty when it did not.
    const std::string& leftBecause() const { return leftBecause_; }

    // Toolkit
    void beep() override;
    void quitNow() override;
    Size screenSize() override;
    Size windowOuterSize() override;

private:
    void readKeys();
    void takeKeys(const std::vector<Key>& keys);
    void takeKey(Key key);
    void readSignal();
    // Leaves without goodbye, the game kept.
    void leaveSaving(const std::string& why);

    int input_;
    int output_;
    KeyDecoder decoder_;
    Yacht* game_ = nullptr;
    const ViewFacts* view_ = nullptr;
    Voice* voice_ = nullptr;
    QSocketNotifier keys_;
    std::unique_ptr<QSocketNotifier> signals_;
    QTimer escape_;
    std::unique_ptr<Stepper> stepper_;
    std::string leftBecause_;
};

}  // namespace yacht
