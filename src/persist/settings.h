#pragma once
// The voice and speed settings: read at start-up, written at F12. They live in the per-user
// settings store, or in the settings file beside the program when it runs from a USB drive.

#include <string>

#include "engine/storage.h"
#include "persist/drive_info.h"
#include "persist/settings_store.h"

namespace yacht {

// Where the settings of a program in `programDir` live: that folder when it is on a removable or
// fixed USB drive and the player may write in it (the settings file), else "" (the store).
std::string settingsPlace(DriveInfo& drive, const std::string& programDir);

// Where the settings file is kept in a place settingsPlace() gave: in the program's own folder,
// so it travels with the stick.
std::string settingsFilePath(const std::string& place);

// The speech engine a run uses, and the one the settings keep for the next run.
struct SpeechEngineChoice {
    std::string use;       // "" the default, or the name for the voice factory
    std::string remember;  // "" nothing remembered, or "speechd", "flite" or "screen-reader"
};

// An engine named on the command line is used, and remembered when it is one the game speaks
// through ("speechd", "flite", "screen-reader"): naming another one later is how the player
// leaves it. "none" (silence, for tests and transcripts) and unknown names are used for this run
// only, so the next start without the option is never silent. Without the option the
// remembered engine is used.
SpeechEngineChoice chooseSpeechEngine(const std::string& option, const std::string& stored);

// The settings kept in `place`: the per-user store when it is "", else the settings file there.
// Missing values keep their defaults (voice 0 of speech-dispatcher, speed 2), a value that is not
// a number counts 0, a speed outside 0 to 4 becomes 2, a negative voice becomes 0, a remembered
// engine the game does not know is dropped, and a file that cannot be read or created keeps the
// defaults.
StoredSettings readStoredSettings(SettingsStore& store, const std::string& place);

// Writes the settings to `place`, the same keys to the store and to the file: the voice and the
// speed always, the voice's name and its engine when it has a name or is not speech-dispatcher's,
// and the remembered speech engine when there is one. A failure is quiet: the game leaves anyway.
void writeStoredSettings(SettingsStore& store, const std::string& place,
                         const StoredSettings& settings);

}  // namespace yacht
