// The window's executable, which `yacht` becomes for a game in a window: one copy per user, the
// adapters built and wired to the game, start-up, then Qt's event loop with the engine's timer as
// the game's main loop. Started on its own it chooses the front end as `yacht` does.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <unistd.h>

#include "app/display_check.h"
#include "app/early_answers.h"
#include "app/executables.h"
#include "app/front_end.h"
#include "app/game_language.h"
#include "app/instance_lock.h"
#include "app/qt_command_line.h"
#include "app/qt_game_ports.h"
#include "app/qt_leave_on_close.h"
#include "app/qt_no_display.h"
#include "app/qt_raise_server.h"
#include "app/qt_raise_window.h"
#include "app/qt_terminal_game.h"
#include "app/raise_request.h"
#include "narration/catalogue.h"
#include "narration/english_only_voice.h"
#include "narration/phrase_book.h"
#include "narration/sequencer.h"
#include "screen/qt_main_window.h"
#include "screen/view_keeper.h"
#include "speech/qt_clock.h"
#include "speech/qt_speech_factory.h"
#include "speech/screen_reader_voice.h"

namespace {

std::string envText(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string terminalName(int fd)
{
    const char* name = isatty(fd) ? ttyname(fd) : nullptr;
    return name ? name : "";
}

}  // namespace

int main(int argc, char** argv)
{
    const auto started = std::chrono::steady_clock::now();
    using namespace yacht;

    std::vector<std::string> args(argv + 1, argv + argc);
    const ParsedOptions parsed = parseCommandLine(args);
    if (!parsed.error.empty()) {
        std::cerr << parsed.error << "\n";
        return 2;
    }
    const Options& options = parsed.options;
    const std::string catalogues = catalogueFolder(runningProgramFolder(), YACHT_LOCALE_DIR);
    chooseGameLanguage(options.language, catalogues);
    if (const auto status = answerWithoutGame(options)) return *status;
    // The window where there is a display; the terminal where asked, on a text console, or where
    // there is no display but a terminal; otherwise the one line that says a display is needed.
    const StartPlace place{options.terminal, isatty(STDIN_FILENO) == 1, isatty(STDOUT_FILENO) == 1,
                           terminalName(STDIN_FILENO)};
    const FrontEnd front = chooseFrontEnd(
        place, [&options] { return displayAvailable(options.platformNamed, options.display); });
    if (front == FrontEnd::NoDisplay) return explainNoDisplay();
    if (front == FrontEnd::TerminalUnavailable) {
        std::cerr << PhraseBook::translated(Wording::Full)[Phrase::TerminalNeedsTerminal] << "\n";
        return 1;
    }

    // The terminal game is its own, smaller executable, which takes the lock itself: this process
    // becomes it. Where it is missing, the game is played in this process as it would be there.
    if (front == FrontEnd::Terminal) {
        becomeExecutable(gameExecutable(runningProgramFolder(), "yacht-terminal", YACHT_TERMINAL_EXEC), argv);
        return playInTerminal(argc, argv, options, started);
    }

    // One copy per user. A second start hands the launcher's tokens to the running copy, which
    // brings its window forward, and ends at once without a window or a word. The tokens are read
    // before Qt starts, because Qt takes them out of the environment.
    const std::string runtimeDir = gameRuntimeFolder();
    InstanceLock lock(runtimeDir.empty() ? std::string() : runtimeDir + "yacht.lock");
    if (lock.outcome() == LockOutcome::HeldByAnother) {
        // A game in a terminal does not listen: the start then says where the game is instead.
        if (!sendRaiseRequest(runtimeDir + "yacht.socket",
                              RaiseRequest{envText("DESKTOP_STARTUP_ID"), envText("XDG_ACTIVATION_TOKEN")}))
            std::cerr << PhraseBook::translated(Wording::Full)[Phrase::TerminalRunningElsewhere] << "\n";
        return 0;
    }

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("yacht");
    // Qt has set the locale from the environment: the game's language is chosen again over it.
    chooseGameLanguage(options.language, catalogues);
    // Qt's own words (the question box's OK and Cancel) in the game's language.
    QTranslator qtWords;
    if (!languageInUse().empty() &&
        qtWords.load(QLocale(QString::fromStdString(languageInUse())), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtWords);
    // Names the desktop entry, so a Wayland desktop shows the game's icon and name for its window.
    QGuiApplication::setDesktopFileName(YACHT_APP_ID);

    // The screen-reader voice hands its texts to the window, which is made further down.
    MainWindow* announcer = nullptr;
    const auto announce = [&announcer](const std::string& text) {
        if (announcer) announcer->announce(text);
    };
    std::string notice;
    // Every timed step of the game is a one-shot call on this clock; nothing repeats.
    QtClock clock;
    Voice* engineVoice = nullptr;
    const auto makeEngineVoice = [&](const SpeechEngineChoice& engine) {
        auto voice = makeVoice(engine.use, announce, &notice, &clock);
        engineVoice = voice.get();
        // The built-in flite voice speaks English only: a game in another language says so, in
        // English, and plays in English.
        if (speaksEnglishOnly(engine.use) && !languageInUse().empty()) {
            notice = englishOnlyNotice(languageInUse());
            chooseGameLanguage("en", catalogues);
        }
        return voice;
    };
    std::string error;
    const auto ports = makeGamePorts(options, started, makeEngineVoice, &makeSoundPlayer, error);
    if (!ports) {
        std::cerr << error << "\n";
        return 2;
    }
    Voice* voice = ports->voice;

    MainWindow window;
    announcer = &window;
    // A screen-reader voice asked for with no screen reader running says how it speaks instead.
    if (!notice.empty()) voice->speak(notice, SpeakMode::Async);
    // The screen reader cuts its speech at every key the player presses, so the game stops
    // waiting for the text it was saying, and the key's answer is handed over at once.
    if (auto* reader = dynamic_cast<ScreenReaderVoice*>(engineVoice))
        window.setKeyListener([reader] { reader->keyTaken(); });
    ViewFacts view;  // what the window shows besides the game, kept from its events
    ViewKeeper shown(*ports->narrator, view);
    Yacht game(Ports{*voice, *ports->player, *ports->resources, *ports->storage, window.toolkit(), *ports->random, clock,
                     shown});
    Sequencer sequencer(game);
    window.attach(game, view, sequencer);
    clock.afterEachCall([&window] { window.wakeSoon(); });
    LeaveOnClose leaving(game, window);
    RaiseServer raiser(lock.outcome() == LockOutcome::Acquired ? runtimeDir + "yacht.socket" : std::string());
    QObject::connect(&raiser, &RaiseServer::raiseRequested, &window,
                     [&window](const RaiseRequest& request) { raiseWindow(window, request); });
    // The first step hands the greeting to the voice; the screen reader's is shown once the
    // window has had a tenth of a second to open.
    window.startEngine(ports->engine.use == "screen-reader" ? FirstTick::AfterInterval : FirstTick::AtOnce);
    window.scaleToScreen();
    startup(game, ports->context);
    window.render();
    window.showMaximized();
    window.activateWindow();
    window.setFocus();

    ports->attachTableAndRecord(game);

    const int status = app.exec();
    ports->leave();
    return status;
}
