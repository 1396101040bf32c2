// The program: one copy per user, the adapters built and wired to the game, start-up, then Qt's
// event loop with the engine's timer as the game's main loop.

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

#include "app/front_end.h"
#include "app/qt_command_line.h"
#include "app/game_language.h"
#include "app/instance_lock.h"
#include "app/qt_leave_on_close.h"
#include "app/qt_no_display.h"
#include "app/qt_raise_server.h"
#include "app/qt_raise_window.h"
#include "app/qt_terminal_game.h"
#include "app/raise_request.h"
#include "app/record_report.h"
#include "app/solver_figures.h"
#include "engine/background_table_source.h"
#include "engine/startup.h"
#include "engine/std_random.h"
#include "narration/catalogue.h"
#include "narration/english_only_voice.h"
#include "narration/narrator.h"
#include "narration/phrase_book.h"
#include "persist/qt_persist_factory.h"
#include "persist/settings.h"
#include "persist/sqlite_record.h"
#include "persist/state_folder.h"
#include "persist/user_storage.h"
#include "screen/qt_main_window.h"
#include "speech/qt_clock.h"
#include "speech/qt_speech_factory.h"
#include "speech/screen_reader_voice.h"
#include "speech/transcript.h"
#include "strategy/table_cache.h"

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
    if (options.help) {
        std::cout << usageText();
        return 0;
    }
    if (options.version) {
        std::cout << "yacht " << YACHT_VERSION << "\n";
        return 0;
    }
    // The solver's figures need no window: answered before the application exists.
    if (options.optimum || options.simulate) return printSolverFigures(options, std::cout);
    // The record is read the same way: no window, and never in the way of a game that writes it.
    if (options.record || !options.recordExport.empty()) {
        const std::string file = recordPath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
        if (!options.recordExport.empty()) return exportRecord(file, options.recordExport, std::cout, std::cerr);
        return printRecord(file, std::cout);
    }
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

    // One copy per user. A second start hands the launcher's tokens to the running copy, which
    // brings its window forward, and ends at once without a window or a word. The tokens are read
    // before Qt starts, because Qt takes them out of the environment.
    const UserFolders folders = userFolders();
    const std::string stateDir = stateFolder(folders);
    const std::string runtimeDir = runtimeFolder(folders);
    if (runtimeDir == stateDir) prepareStateFolder(stateDir);
    InstanceLock lock(runtimeDir.empty() ? std::string() : runtimeDir + "yacht.lock");
    if (lock.outcome() == LockOutcome::HeldByAnother) {
        // A game in a terminal has no window to raise and does not listen: the start says where
        // the game is instead. A terminal start never raises a window either.
        const bool raised = front == FrontEnd::Window &&
                            sendRaiseRequest(runtimeDir + "yacht.socket",
                                             RaiseRequest{envText("DESKTOP_STARTUP_ID"), envText("XDG_ACTIVATION_TOKEN")});
        if (!raised) std::cerr << PhraseBook::translated(Wording::Full)[Phrase::TerminalRunningElsewhere] << "\n";
        return 0;
    }
    if (front == FrontEnd::Terminal) return runTerminalGame(argc, argv, options, started);

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

    std::unique_ptr<Transcript> transcript;
    if (!options.transcript.empty()) {
        transcript = Transcript::open(options.transcript, started);
        if (!transcript) {
            std::cerr << "yacht: cannot write the transcript to " << options.transcript << "\n";
            return 2;
        }
    }

    auto store = makeSettingsStore();
    auto drive = makeDriveInfo();
    UserStorage storage(*store, *drive, programDirectory());
    // The engine named on the command line, or the one remembered from an earlier run: read now,
    // because the voice is made before start-up reads the rest of the settings.
    const SpeechEngineChoice engine =
        chooseSpeechEngine(options.speechEngine, storage.readSettings().speechEngine);

    // The screen-reader voice hands its texts to the window, which is made further down.
    MainWindow* announcer = nullptr;
    const auto announce = [&announcer](const std::string& text) {
        if (announcer) announcer->announce(text);
    };
    std::string notice;
    // Every timed step of the game is a one-shot call on this clock; nothing repeats.
    QtClock clock;
    std::unique_ptr<Voice> engineVoice = makeVoice(engine.use, announce, &notice, &clock);
    // The built-in flite voice speaks English only: a game in another language says so, in
    // English, and plays in English.
    if (speaksEnglishOnly(engine.use) && !languageInUse().empty()) {
        notice = englishOnlyNotice(languageInUse());
        chooseGameLanguage("en", catalogues);
    }
    std::unique_ptr<SoundPlayer> enginePlayer = makeSoundPlayer();
    std::unique_ptr<TranscriptVoice> loggedVoice;
    std::unique_ptr<TranscriptSoundPlayer> loggedPlayer;
    Voice* voice = engineVoice.get();
    SoundPlayer* player = enginePlayer.get();
    if (transcript) {
        loggedVoice = std::make_unique<TranscriptVoice>(*engineVoice, *transcript);
        loggedPlayer = std::make_unique<TranscriptSoundPlayer>(*enginePlayer, *transcript);
        voice = loggedVoice.get();
        player = loggedPlayer.get();
    }
    auto resources = makeResources();

    StartupContext context;
    context.clockSeed = static_cast<uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count());
    context.fixedSeed = options.seed;
    // The saved game lives in the user's own state folder; a game an earlier version left in the
    // temporary-files directory is moved there first, so the upgrade loses nobody's game.
    if (prepareStateFolder(stateDir)) {
        migrateTempGame(temporaryFilesDirectory(), stateDir);
        storage.setGameFolder(stateDir);
    }
    context.speechEngine = engine.remember;
    StdRandom random(diceSeed(context));

    MainWindow window;
    announcer = &window;
    // A screen-reader voice asked for with no screen reader running says how it speaks instead.
    if (!notice.empty()) voice->speak(notice, SpeakMode::Async);
    // The screen reader cuts its speech at every key the player presses, so the game stops
    // waiting for the text it was saying, and the key's answer is handed over at once.
    if (auto* reader = dynamic_cast<ScreenReaderVoice*>(engineVoice.get()))
        window.setKeyListener([reader] { reader->keyTaken(); });
    // Full speech unless the player chose brief speech before or asked for it this run.
    const PhraseBook fullWords = PhraseBook::translated(Wording::Full);
    const PhraseBook briefWords = PhraseBook::translated(Wording::Brief);
    context.briefForRun = options.brief;
    context.language = languageInUse();
    const bool brief = options.brief || storage.readSettings().briefSpeech;
    Narrator narrator(fullWords, briefWords, brief ? Wording::Brief : Wording::Full);
    Yacht game(Ports{*voice, *player, *resources, storage, window, random, clock, narrator});
    Sequencer sequencer(game);
    window.attach(game, sequencer);
    clock.afterEachCall([&window] { window.wakeSoon(); });
    LeaveOnClose leaving(game, window);
    RaiseServer raiser(lock.outcome() == LockOutcome::Acquired ? runtimeDir + "yacht.socket" : std::string());
    QObject::connect(&raiser, &RaiseServer::raiseRequested, &window,
                     [&window](const RaiseRequest& request) { raiseWindow(window, request); });
    // The first step hands the greeting to the voice; the screen reader's is shown once the
    // window has had a tenth of a second to open.
    window.startEngine(engine.use == "screen-reader" ? FirstTick::AfterInterval : FirstTick::AtOnce);
    window.scaleToScreen();
    startup(game, context);
    window.render();
    window.showMaximized();
    window.activateWindow();
    window.setFocus();

    // The computer players and the coach read the solver's table: it is loaded in the background
    // when one of them first asks, so a game of people alone never holds it in memory.
    auto table = std::make_unique<BackgroundTableSource>(
        strategy::tableCachePath(std::getenv("XDG_CACHE_HOME"), std::getenv("HOME")));
    game.advisor.source = table.get();
    // Every game is recorded as it is played; the file is opened and written on the record's
    // own thread, so neither the start nor a turn waits for the disk.
    SqliteRecord record(recordPath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
    game.recordPort = &record;

    const int status = app.exec();
    // The game has said goodbye: a table still being built is not waited for (its thread ends
    // with the program, and the cache file is only ever renamed into place whole).
    if (table->building()) static_cast<void>(table.release());
    return status;
}
