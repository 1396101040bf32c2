#pragma once
// The per-user folder that keeps the saved game across reboots, private to its owner, and the
// move of a game left in the temporary-files directory by an earlier version.

#include <optional>
#include <string>

namespace yacht {

// The environment values that decide where the user's folders are.
struct UserFolders {
    std::optional<std::string> xdgStateHome;
    std::optional<std::string> xdgRuntimeDir;
    std::optional<std::string> home;  // $HOME, or the account's home when it is unset
};

// "$XDG_STATE_HOME/yacht/" (a relative or empty value counts as unset, as the base-directory
// rules say), else "$HOME/.local/state/yacht/"; empty when neither is known.
std::string stateFolder(const UserFolders& env);

// Creates the folder and its missing parents, each private to the user (0700), and narrows the
// game's own folder to 0700 when it is wider. False when it cannot be made or is not a folder.
bool prepareStateFolder(const std::string& folder);

// What became of a saved game in the temporary-files directory.
enum class Migration { NothingToMove, Moved, Refused };

// Moves `tempDir`/tvyacht.tmp into `stateDir` (both ending in '/') when the new place has no
// saved game yet and the old file is a plain file owned by this user; the old file is removed
// only once the new one is safely written. A file of another user or a link is left alone.
Migration migrateTempGame(const std::string& tempDir, const std::string& stateDir);

// The folder for the single-copy lock and the raise socket: $XDG_RUNTIME_DIR when it is set and
// absolute, else the state folder.
std::string runtimeFolder(const UserFolders& env);

}  // namespace yacht
