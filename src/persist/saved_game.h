#pragma once
// The unfinished game written at F12 and read back at the next start.

#include <string>

#include "engine/game_state.h"

namespace yacht {

// The saved game's file name in the user's state folder.
inline constexpr const char* kSavedGameName = "tvyacht.tmp";

// Where the saved game is kept: the user's state folder and the file name.
std::string savedGamePath(const Game& game);

// Writes the whole game to the file, replacing the previous one only once the new one is
// complete on the disk. A failure is quiet and leaves the previous file as it was.
void savegame(const Game& game);

// How much of a saved game reached the game.
enum class Loaded {
    Nothing,  // no file, or one the game cannot use: the game is as it was
    Part,     // a file that ended early but holds a game that stays whole (see `acceptable`)
    Whole,    // every value of the file
};

// Reads the saved game's values into the game, as far as the file goes.
Loaded loadgame(Game& game);

}  // namespace yacht
