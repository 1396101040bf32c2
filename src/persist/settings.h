#pragma once
// The voice and speed settings: read at start-up, written at F12. They live in the per-user
// settings store, or in the settings file beside the program when it runs from a USB drive.

#include <string>

#include "engine/yacht.h"
#include "persist/drive_info.h"
#include "persist/settings_store.h"

namespace yacht {

// Where the settings of a program in `programdir` live: that folder when it is on a removable or
// fixed USB drive and the player may write in it (the settings file), else "" (the store).
std::string settingsPlace(DriveInfo& drive, const std::string& programdir);

// Decides where the settings live: `usbdrive` becomes settingsPlace() of the program's folder.
void findsettingsplace(Yacht& y);

// Where the settings file is kept: in the program's own folder, so it travels with the stick.
std::string settingsFilePath(const Yacht& y);
std::string settingsFilePath(const std::string& usbdrive);

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

// The engine remembered where the settings live (`usbdrive` as settingsPlace() gives it), read
// before the voice is made; "" when none or not one the game knows.
std::string storedSpeechEngine(SettingsStore& store, const std::string& usbdrive);

// Sets the defaults (voice 0, speed 2) and reads the stored settings over them. A missing key
// keeps its default, a value that is not a number counts 0, a speed outside 0 to 4 becomes 2,
// a negative voice becomes 0, and a file that cannot be read or created keeps the defaults.
// The voice's name and the remembered speech engine are read beside them.
void readsettings(Yacht& y);

// Applies the speed to the voice at once, and the voice position once the installed voices are
// listed (now, or later by the voice code through applystoredvoice).
void applysettings(Yacht& y);

// Selects the stored voice when the installed voices are listed; a position beyond them becomes
// 0. Does nothing while the list is pending or once the stored voice has been applied.
void applystoredvoice(Yacht& y);

// Writes the voice and the speed where they live, with the voice's name and the remembered
// speech engine. A failure is quiet: the game leaves anyway.
void savesettings(Yacht& y);

}  // namespace yacht
