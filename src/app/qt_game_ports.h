#pragma once
// The ports a game plays through, made the same way for the window and for the terminal: the
// transcript, the settings and saved game, the voice and the sound (each front end says how to
// make its own), the resources, the dice, the narrator, and later the solver's table and the
// record of games.

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/command_line.h"
#include "engine/background_table_source.h"
#include "engine/resources.h"
#include "engine/sound_player.h"
#include "engine/startup.h"
#include "engine/std_random.h"
#include "engine/voice.h"
#include "engine/yacht.h"
#include "narration/narrator.h"
#include "narration/phrase_book.h"
#include "persist/drive_info.h"
#include "persist/settings.h"
#include "persist/settings_store.h"
#include "persist/sqlite_record.h"
#include "persist/user_storage.h"
#include "speech/transcript.h"

namespace yacht {

// Everything a game's Ports refer to, owned in one place for the game's lifetime.
struct GamePorts {
    std::unique_ptr<Transcript> transcript;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<DriveInfo> drive;
    std::unique_ptr<UserStorage> storage;
    SpeechEngineChoice engine;
    std::unique_ptr<Voice> engineVoice;
    std::unique_ptr<SoundPlayer> enginePlayer;
    std::unique_ptr<TranscriptVoice> loggedVoice;
    std::unique_ptr<TranscriptSoundPlayer> loggedPlayer;
    Voice* voice = nullptr;          // the engine's voice, through the transcript when one is kept
    SoundPlayer* player = nullptr;   // the same for the sound
    std::unique_ptr<Resources> resources;
    StartupContext context;
    std::unique_ptr<StdRandom> random;
    std::optional<PhraseBook> fullWords;
    std::optional<PhraseBook> briefWords;
    std::unique_ptr<Narrator> narrator;
    std::unique_ptr<BackgroundTableSource> table;
    std::unique_ptr<SqliteRecord> record;

    // Gives the game the solver's table, loaded in the background when a computer player or the
    // coach first asks (a game of people alone never holds it), and the record of games, written
    // on the record's own thread; both live in the user's folders.
    void attachTableAndRecord(Yacht& game);
    // The game has said goodbye: a table still being built is not waited for (its thread ends
    // with the program, and the cache file is only ever renamed into place whole).
    void leave();
};

// How a front end makes its voice for the chosen engine, and its sound player.
using EngineVoiceMaker = std::function<std::unique_ptr<Voice>(const SpeechEngineChoice&)>;
using SoundPlayerMaker = std::function<std::unique_ptr<SoundPlayer>()>;

// Makes the ports from the command line; the voice is made once the remembered engine is read,
// and the phrase books after it (the voice may change the game's language). Nothing, with
// `error` set, when the transcript asked for cannot be written.
std::unique_ptr<GamePorts> makeGamePorts(const Options& options, std::chrono::steady_clock::time_point started,
                                         const EngineVoiceMaker& makeVoice, const SoundPlayerMaker& makeSound,
                                         std::string& error);

// The folder of the one-copy-per-user lock and the window's raise socket, ending in a separator
// ("" when the user has none); made first when it is the state folder too.
std::string gameRuntimeFolder();

}  // namespace yacht
