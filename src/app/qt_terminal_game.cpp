#include "app/qt_terminal_game.h"

#include <QCoreApplication>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <sys/ioctl.h>
#include <unistd.h>

#include "app/game_language.h"
#include "engine/background_table_source.h"
#include "engine/startup.h"
#include "engine/std_random.h"
#include "narration/catalogue.h"
#include "narration/narrator.h"
#include "narration/sequencer.h"
#include "persist/qt_persist_factory.h"
#include "persist/sqlite_record.h"
#include "persist/settings.h"
#include "persist/state_folder.h"
#include "persist/user_storage.h"
#include "speech/qt_clock.h"
#include "speech/qt_speech_factory.h"
#include "speech/transcript.h"
#include "strategy/table_cache.h"
#include "terminal/audio_server.h"
#include "terminal/console_readers.h"
#include "terminal/leave_signals.h"
#include "terminal/printing_voice.h"
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

}  // namespace

int runTerminalGame(int argc, char** argv, const Options& options, std::chrono::steady_clock::time_point started)
{
    QCoreApplication app(argc, argv);
    // Qt has set the locale from the environment: the game's language is chosen again over it.
    chooseGameLanguage(options.language, catalogueFolder(runningProgramFolder(), YACHT_LOCALE_DIR));
    QCoreApplication::setApplicationName("yacht");

    std::unique_ptr<Transcript> transcript;
    if (!options.transcript.empty()) {
        transcript = Transcript::open(options.transcript, started);
        if (!transcript) {
            std::cerr << "yacht: cannot write the transcript to " << options.transcript << "\n";
            return 2;
        }
    }

    const UserFolders folders = userFolders();
    const std::string stateDir = stateFolder(folders);
    auto store = makeSettingsStore();
    auto drive = makeDriveInfo();
    UserStorage storage(*store, *drive, programDirectory());
    const SpeechEngineChoice engine =
        chooseSpeechEngine(options.speechEngine, storage.readSettings().speechEngine);
    // A screen reader reading the terminal speaks every line already: the game then prints only.
    const std::string speaking = terminalSpeechEngine(engine.use, findConsoleReaders("/", envText));

    // Every timed step of the game is a one-shot call on this clock; nothing repeats.
    QtClock clock;
    std::unique_ptr<Voice> engineVoice = makeVoice(speaking, {}, nullptr, &clock);
    std::unique_ptr<SoundPlayer> enginePlayer;
    if (audioServerAnswers(envText)) enginePlayer = makeSoundPlayer();
    else enginePlayer = std::make_unique<NoSound>();
    std::unique_ptr<TranscriptVoice> loggedVoice;
    std::unique_ptr<TranscriptSoundPlayer> loggedPlayer;
    Voice* innerVoice = engineVoice.get();
    SoundPlayer* player = enginePlayer.get();
    if (transcript) {
        loggedVoice = std::make_unique<TranscriptVoice>(*engineVoice, *transcript);
        loggedPlayer = std::make_unique<TranscriptSoundPlayer>(*enginePlayer, *transcript);
        innerVoice = loggedVoice.get();
        player = loggedPlayer.get();
    }
    // The width is asked at every line: the player may widen or narrow the terminal mid-game.
    LinePrinter printer([](std::string_view text) { writeAll(STDOUT_FILENO, text); },
                        []() -> std::size_t {
                            winsize size{};
                            return ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 ? size.ws_col : 0;
                        });
    PrintingVoice voice(*innerVoice, printer);
    auto resources = makeResources();

    StartupContext context;
    context.clockSeed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    context.fixedSeed = options.seed;
    if (prepareStateFolder(stateDir)) {
        migrateTempGame(temporaryFilesDirectory(), stateDir);
        storage.setGameFolder(stateDir);
    }
    context.speechEngine = engine.remember;
    StdRandom random(diceSeed(context));

    RawTerminal modes(STDIN_FILENO);
    TerminalFront front(STDIN_FILENO, STDOUT_FILENO, watchLeaveSignals(),
                        KeyDecoder(terminfoKeyStrings(envText("TERM"))));
    // Full speech unless the player chose brief speech before or asked for it this run.
    const PhraseBook fullWords = PhraseBook::translated(Wording::Full);
    const PhraseBook briefWords = PhraseBook::translated(Wording::Brief);
    context.briefForRun = options.brief;
    context.language = languageInUse();
    const bool brief = options.brief || storage.readSettings().briefSpeech;
    Narrator narrator(fullWords, briefWords, brief ? Wording::Brief : Wording::Full);
    TerminalNarrator told(narrator, fullWords);
    Yacht game(Ports{voice, *player, *resources, storage, front, random, clock, told});
    Sequencer sequencer(game);
    front.attach(game, sequencer, voice);
    clock.afterEachCall([&front] { front.wakeSoon(); });
    front.start();
    startup(game, context);

    auto table = std::make_unique<BackgroundTableSource>(
        strategy::tableCachePath(std::getenv("XDG_CACHE_HOME"), std::getenv("HOME")));
    game.advisor.source = table.get();
    // The same record as the window's: a game played here counts among the player's games.
    SqliteRecord record(recordPath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
    game.recordPort = &record;

    const int status = app.exec();
    printer.finish();
    if (table->building()) static_cast<void>(table.release());
    return status;
}

}  // namespace yacht
