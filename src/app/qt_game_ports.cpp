#include "app/qt_game_ports.h"

#include <cstdlib>

#include "narration/catalogue.h"
#include "persist/qt_persist_factory.h"
#include "persist/state_folder.h"
#include "speech/qt_resources.h"
#include "strategy/table_cache.h"

namespace yacht {

std::unique_ptr<GamePorts> makeGamePorts(const Options& options, std::chrono::steady_clock::time_point started,
                                         const EngineVoiceMaker& makeVoice, const SoundPlayerMaker& makeSound,
                                         std::string& error)
{
    auto ports = std::make_unique<GamePorts>();
    if (!options.transcript.empty()) {
        ports->transcript = Transcript::open(options.transcript, started);
        if (!ports->transcript) {
            error = "yacht: cannot write the transcript to " + options.transcript;
            return nullptr;
        }
    }

    ports->store = makeSettingsStore();
    ports->drive = makeDriveInfo();
    ports->storage = std::make_unique<UserStorage>(*ports->store, *ports->drive, programDirectory());
    // The engine named on the command line, or the one remembered from an earlier run: read now,
    // because the voice is made before start-up reads the rest of the settings.
    ports->engine = chooseSpeechEngine(options.speechEngine, ports->storage->readSettings().speechEngine);
    ports->engineVoice = makeVoice(ports->engine);
    ports->enginePlayer = makeSound();
    ports->voice = ports->engineVoice.get();
    ports->player = ports->enginePlayer.get();
    if (ports->transcript) {
        ports->loggedVoice = std::make_unique<TranscriptVoice>(*ports->engineVoice, *ports->transcript);
        ports->loggedPlayer = std::make_unique<TranscriptSoundPlayer>(*ports->enginePlayer, *ports->transcript);
        ports->voice = ports->loggedVoice.get();
        ports->player = ports->loggedPlayer.get();
    }
    ports->resources = makeQtResources();

    StartupContext& context = ports->context;
    context.clockSeed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    context.fixedSeed = options.seed;
    // The saved game lives in the user's own state folder; a game an earlier version left in the
    // temporary-files directory is moved there first, so the upgrade loses nobody's game.
    const std::string stateDir = stateFolder(userFolders());
    if (prepareStateFolder(stateDir)) {
        migrateTempGame(temporaryFilesDirectory(), stateDir);
        ports->storage->setGameFolder(stateDir);
    }
    context.speechEngine = ports->engine.remember;
    context.briefForRun = options.brief;
    context.language = languageInUse();
    ports->random = std::make_unique<StdRandom>(diceSeed(context));

    // Full speech unless the player chose brief speech before or asked for it this run.
    ports->fullWords = PhraseBook::translated(Wording::Full);
    ports->briefWords = PhraseBook::translated(Wording::Brief);
    const bool brief = options.brief || ports->storage->readSettings().briefSpeech;
    ports->narrator = std::make_unique<Narrator>(*ports->fullWords, *ports->briefWords,
                                                 brief ? Wording::Brief : Wording::Full);
    return ports;
}

std::string gameRuntimeFolder()
{
    const UserFolders folders = userFolders();
    const std::string runtimeDir = runtimeFolder(folders);
    if (runtimeDir == stateFolder(folders)) prepareStateFolder(runtimeDir);
    return runtimeDir;
}

void GamePorts::attachTableAndRecord(Yacht& game)
{
    table = std::make_unique<BackgroundTableSource>(
        strategy::tableCachePath(std::getenv("XDG_CACHE_HOME"), std::getenv("HOME")));
    game.advisor.source = table.get();
    record = std::make_unique<SqliteRecord>(recordPath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
    game.recordPort = record.get();
}

void GamePorts::leave()
{
    if (table && table->building()) static_cast<void>(table.release());
}

}  // namespace yacht
