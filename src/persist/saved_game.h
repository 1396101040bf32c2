#pragma once
// The unfinished game written at F12 and read back at the next start.

#include <string>

#include "engine/game_state.h"
#include "engine/storage.h"

namespace yacht {

// The saved game's file name in the user's state folder.
inline constexpr const char* kSavedGameName = "tvyacht.tmp";

// Where the saved game is kept: the folder (the user's state folder, ending in a path separator)
// and the file name.
std::string savedGamePath(const std::string& folder);

// Writes the whole game to the file in the folder, replacing the previous one only once the new
// one is complete on the disk. A failure is quiet and leaves the previous file as it was; with no
// folder ("") the game is not saved.
void writeSavedGame(const std::string& folder, const Game& game);

// Reads the saved game's values from the folder into the game, as far as the file goes. A file
// that ended early counts as Part when it holds a game that stays whole (see `acceptable`).
Loaded readSavedGame(const std::string& folder, Game& game);

}  // namespace yacht
