#pragma once
// The unfinished game written at F12 and resumed at the next start.

#include <string>

#include "engine/yacht.h"

namespace yacht {

// The saved game's file name in the user's state folder.
inline constexpr const char* kSavedGameName = "tvyacht.tmp";

// Where the saved game is kept: the user's state folder and the file name.
std::string savedGamePath(const Game& game);

// Writes the whole game to the file, replacing the previous one only once the new one is
// complete on the disk. A failure is quiet and leaves the previous file as it was.
void savegame(Yacht& y);

// Reads the file back on the first tick (state already 0). A game that was running goes on where
// it stopped and says so; a file the game cannot use changes nothing, as if there were none.
void resumegame(Yacht& y);

}  // namespace yacht
