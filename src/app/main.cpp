// The program: one copy only, the adapters built and wired to the game, start-up, then Qt's
// event loop with the engine's timer as the game's main loop.

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <iostream>

#include "app/command_line.h"
#include "app/qt_single_instance.h"
#include "app/solver_figures.h"
#include "engine/std_random.h"
#include "persist/qt_persist_factory.h"
#include "persist/startup.h"
#include "screen/qt_main_window.h"
#include "speech/qt_speech_factory.h"
#include "speech/transcript.h"

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

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("yacht");

    SingleInstance instance;
    if (!instance.acquired()) return 0;  // another copy runs: leave silently, with no window

    std::unique_ptr<Transcript> transcript;
    if (!options.transcript.empty()) {
        transcript = Transcript::open(options.transcript, started);
        if (!transcript) {
            std::cerr << "yacht: cannot write the transcript to " << options.transcript << "\n";
            return 2;
        }
    }

    // The screen-reader voice hands its texts to the window, which is made further down.
    MainWindow* announcer = nullptr;
    const auto announce = [&announcer](const std::string& text) {
        if (announcer) announcer->announce(text);
    };
    std::string notice;
    std::unique_ptr<Voice> engineVoice = makeVoice(options.speechEngine, announce, &notice);
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
    auto store = makeSettingsStore();
    auto drive = makeDriveInfo();

    StartupContext context;
    context.clockSeed = static_cast<uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count());
    context.fixedSeed = options.seed;
    context.tempdir = temporaryFilesDirectory();
    context.programdir = programDirectory();
    StdRandom random(diceSeed(context));

    MainWindow window;
    announcer = &window;
    // A screen-reader voice asked for with no screen reader running says how it speaks instead.
    if (!notice.empty()) voice->speak(notice, SpeakMode::Async);
    Yacht game(Ports{*voice, *player, *resources, *store, *drive, window, random});
    window.attach(game);
    window.startEngine();
    startup(game, context);
    window.render();
    window.showMaximized();
    window.activateWindow();
    window.setFocus();

    return app.exec();
}
