#include "terminal/qt_terminal_front.h"

#include <QCoreApplication>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>
#include <unistd.h>

#include "engine/key_input.h"
#include "engine/tick.h"
#include "terminal/state_report.h"
#include "terminal/terminal_keys.h"

namespace yacht {
namespace {

// An Escape followed by nothing for this long is the Escape key, not the start of a sequence.
constexpr int kEscapeWaitMs = 50;

// The signals the game leaves on, by the names a shell gives them.
std::string signalName(int signal)
{
    switch (signal) {
    case SIGHUP: return "HUP";
    case SIGTERM: return "TERM";
    case SIGINT: return "INT";
    case SIGQUIT: return "QUIT";
    default: return std::to_string(signal);
    }
}

}  // namespace

TerminalFront::TerminalFront(int inputFd, int outputFd, int signalFd, KeyDecoder decoder)
    : input_(inputFd), output_(outputFd), decoder_(std::move(decoder)), keys_(inputFd, QSocketNotifier::Read)
{
    connect(&keys_, &QSocketNotifier::activated, this, &TerminalFront::readKeys);
    if (signalFd >= 0) {
        signals_ = std::make_unique<QSocketNotifier>(signalFd, QSocketNotifier::Read);
        connect(signals_.get(), &QSocketNotifier::activated, this, &TerminalFront::readSignal);
    }
    escape_.setSingleShot(true);
    escape_.setInterval(kEscapeWaitMs);
    connect(&escape_, &QTimer::timeout, this, [this] { takeKeys(decoder_.flush()); });
}

TerminalFront::~TerminalFront() = default;

void TerminalFront::attach(Yacht& game, const ViewFacts& view, Sequencer& sequencer, Voice& voice)
{
    view_ = &view;
    game_ = &game;
    voice_ = &voice;
    FrontHooks hooks;
    hooks.post = [this](std::function<void()> call) { QTimer::singleShot(0, this, std::move(call)); };
    stepper_ = std::make_unique<Stepper>(game, sequencer, std::move(hooks));
}

void TerminalFront::start()
{
    QTimer::singleShot(0, this, [this] { if (stepper_) stepper_->step(); });
}

void TerminalFront::readKeys()
{
    char bytes[256];
    const ssize_t n = ::read(input_, bytes, sizeof bytes);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
    if (n <= 0) {
        // The terminal has gone (end of input, or a hang-up): the game is kept, as F12 keeps it.
        keys_.setEnabled(false);
        leaveSaving(n == 0 ? std::string("the terminal's input has ended")
                           : "the terminal cannot be read (" + std::string(std::strerror(errno)) + ")");
        return;
    }
    takeKeys(decoder_.feed(std::string_view(bytes, static_cast<std::size_t>(n))));
    if (decoder_.waiting()) escape_.start();
    else escape_.stop();
}

void TerminalFront::takeKeys(const std::vector<Key>& keys)
{
    for (const Key& key : keys) takeKey(key);
}

void TerminalFront::takeKey(Key key)
{
    if (!game_ || game_->quitting) return;
    if (stepper_->asking()) {
        // The question has been printed and said; only its answers are taken meanwhile.
        if (const auto answer = questionAnswer(key)) {
            stepper_->answer(*answer == QuestionAnswer::Ok);
            wakeSoon();
        }
        return;
    }
    const TerminalKey typed = terminalKey(key);
    switch (typed.command) {
    case TerminalCommand::StateLine:
        voice_->speak(stateLine(game_->game, PhraseBook::translated(Wording::Full)), SpeakMode::Async);
        return;
    case TerminalCommand::SheetLines:
        for (const std::string& line : sheetLines(game_->game, *view_, PhraseBook::translated(Wording::Full)))
            voice_->speak(line, SpeakMode::Async);
        return;
    case TerminalCommand::GameKey:
        recordKeyPress(game_->pendingInput, game_->game, game_->ports.voice, typed.key.code, typed.key.modifier);
        stepper_->wake();
        return;
    }
}

void TerminalFront::readSignal()
{
    unsigned char byte = 0;
    unsigned char last = 0;
    while (::read(signals_->socket(), &byte, 1) == 1) last = byte;
    leaveSaving("stopped by signal " + signalName(last));
}

void TerminalFront::leaveSaving(const std::string& why)
{
    if (!game_ || game_->quitting) return;
    leftBecause_ = why;
    storeGameAndSettings(game_->game, game_->voiceChoice, game_->ports);
    game_->quitting = true;
    quitNow();
}

void TerminalFront::beep()
{
    const char bell = '\a';
    [[maybe_unused]] const ssize_t written = ::write(output_, &bell, 1);
}

void TerminalFront::quitNow()
{
    QCoreApplication::exit(0);
}

Size TerminalFront::screenSize()
{
    return {0, 0};
}

Size TerminalFront::windowOuterSize()
{
    return {0, 0};
}

}  // namespace yacht
