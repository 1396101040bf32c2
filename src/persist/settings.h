#pragma once
// The voice and speed settings: read at start-up, written at F12. They live in the per-user
// settings store, or in the settings file beside the program when it runs from a USB drive.

#include <string>

#include "engine/yacht.h"

namespace yacht {

// The bus of the drive holding a folder ("Usb", "Ata", ... or "" when it cannot be told).
std::string getbustype(Yacht& y, const std::string& folder);

// Decides where the settings live: `usbdrive` becomes the program's folder when that folder is
// on a removable or fixed USB drive and the player may write in it, and stays empty otherwise.
void findsettingsplace(Yacht& y);

// Where the settings file is kept: in the program's own folder, so it travels with the stick.
std::string settingsFilePath(const Yacht& y);

// Sets the defaults (voice 0, speed 2) and reads the stored settings over them. A missing key
// keeps its default, a value that is not a number counts 0, a speed outside 0 to 4 becomes 2,
// a negative voice becomes 0, and a file that cannot be read or created keeps the defaults.
void readsettings(Yacht& y);

// Applies the speed to the voice at once, and the voice position once the installed voices are
// listed (now, or later by the voice code through applystoredvoice).
void applysettings(Yacht& y);

// Selects the stored voice when the installed voices are listed; a position beyond them becomes
// 0. Does nothing while the list is pending or once the stored voice has been applied.
void applystoredvoice(Yacht& y);

// Writes the voice and the speed where they live. A failure is quiet: the game leaves anyway.
void savesettings(Yacht& y);

}  // namespace yacht
