#include "app/qt_terminal_game.h"

#include <QCoreApplication>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <sys/ioctl.h>
#include <unistd.h>

#include "app/executables.h"
#include "app/game_language.h"
#include "app/instance_lock.h"
#include "app/qt_game_ports.h"
#include "narration/sequencer.h"
#include "screen/view_keeper.h"
#include "speech/qt_clock.h"
#include "speech/qt_spoken_voice.h"
#include "terminal/audio_server.h"
#include "terminal/console_readers.h"
#include "terminal/leave_signals.h"
#include "terminal/printing_voice.h"
#include "terminal/qt_pulse_sound_player.h"
#include "terminal/qt_terminal_front.h"
#include "terminal/terminal_modes.h"
#include "terminal/terminal_narrator.h"
#include "terminal/terminfo_keys.h"

namespace yacht {
namespace {

std::string envText(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Writes all of the text, as far as the terminal takes it; a terminal gone away takes nothing.
void writeAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n <= 0) return;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

// A sound player that plays nothing, for a terminal with no audio server to play through.
class NoSound : public SoundPlayer {
public:
    void play(const std::string&, const std::vector<uint8_t>&) override { tellFinished(); }
};

int runTerminalGame(int argc, char** argv, const Options& options, std::chrono::steady_clock::time_point started)
{
    QCoreApplication app(argc, argv);
    // Qt has set the locale from the environment: the game's language is chosen again over it.
    chooseGameLanguage(options.language, catalogueFolder(runningProgramFolder(), YACHT_LOCALE_DIR));
    QCoreApplication::setApplicationName("yacht");

    std::string error;
    const auto makeVoice = [](const SpeechEngineChoice& engine) {
        // A screen reader reading the terminal speaks every line already: the game then prints only.
        return openSpokenVoice(terminalSpeechEngine(engine.use, findConsoleReaders("/", envText)));
    };
    // The dice sound only where the user's audio server already runs: none is started or waited for.
    const auto makeSound = []() -> std::unique_ptr<SoundPlayer> {
        if (audioServerAnswers(envText)) return makePulseSoundPlayer();
        return std::make_unique<NoSound>();
    };
    const auto ports = makeGamePorts(options, started, makeVoice, makeSound, error);
    if (!ports) {
        std::cerr << error << "\n";
        return 2;
    }
    // The width is asked at every line: the player may widen or narrow the terminal mid-game.
    LinePrinter printer([](std::string_view text) { writeAll(STDOUT_FILENO, text); },
                        []() -> std::size_t {
                            winsize size{};
                            return ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 ? size.ws_col : 0;
                        });
    PrintingVoice voice(*ports->voice, printer);

    // Every timed step of the game is a one-shot call on this clock; nothing repeats.
    QtClock clock;
    RawTerminal modes(STDIN_FILENO);
    TerminalFront front(STDIN_FILENO, STDOUT_FILENO, watchLeaveSignals(),
                        KeyDecoder(terminfoKeyStrings(envText("TERM"))));
    TerminalNarrator told(*ports->narrator, *ports->fullWords);
    ViewFacts view;
    ViewKeeper shown(told, view);
    Yacht game(Ports{voice, *ports->player, *ports->resources, *ports->storage, front, *ports->random, clock, shown});
    Sequencer sequencer(game);
    front.attach(game, view, sequencer, voice);
    clock.afterEachCall([&front] { front.wakeSoon(); });
    front.start();
    startup(game, ports->context);
    // The same record as the window's: a game played here counts among the player's games.
    ports->attachTableAndRecord(game);

    const int status = app.exec();
    printer.finish();
    // A game that ended without goodbye says why, below the last line, where a player whose
    // terminal is still there reads it; a terminal gone away takes nothing.
    if (!front.leftBecause().empty())
        writeAll(STDERR_FILENO, "yacht: " + front.leftBecause() + "; the game is kept\n");
    ports->leave();
    return status;
}

}  // namespace

int playInTerminal(int argc, char** argv, const Options& options, std::chrono::steady_clock::time_point started)
{
    const std::string runtimeDir = gameRuntimeFolder();
    InstanceLock lock(runtimeDir.empty() ? std::string() : runtimeDir + "yacht.lock");
    // A game in a terminal has no window to raise and does not listen: the start says where the
    // game is instead.
    if (lock.outcome() == LockOutcome::HeldByAnother) {
        std::cerr << PhraseBook::translated(Wording::Full)[Phrase::TerminalRunningElsewhere] << "\n";
        return 0;
    }
    return runTerminalGame(argc, argv, options, started);
}

}  // namespace yacht
