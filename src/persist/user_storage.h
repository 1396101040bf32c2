#pragma once
// The game's storage on this machine: the saved game in the user's state folder, and the
// settings in the per-user store or, on a USB drive, in the settings file beside the program.

#include <string>

#include "engine/storage.h"
#include "persist/drive_info.h"
#include "persist/settings_store.h"

namespace yacht {

// Keeps the game and the settings where they outlive the program, through the settings store
// and the drive query it is given.
class UserStorage : public Storage {
public:
    UserStorage(SettingsStore& store, DriveInfo& drive, std::string programDir = {})
        : store_(store), drive_(drive), programDir_(std::move(programDir))
    {
    }

    // The folder the executable lives in, which decides where the settings live.
    void setProgramFolder(std::string programDir) { programDir_ = std::move(programDir); }
    // The folder the saved game is kept in, ending in a path separator; "" keeps no game.
    void setGameFolder(std::string folder) { gameFolder_ = std::move(folder); }
    const std::string& gameFolder() const { return gameFolder_; }
    // Where the settings live since they were last read: "" the store, else the program's folder.
    const std::string& settingsFolder() const { return place_; }

    Loaded loadGame(Game& game) override;
    void saveGame(const Game& game) override;
    StoredSettings readSettings() override;
    void writeSettings(const StoredSettings& settings) override;

private:
    SettingsStore& store_;
    DriveInfo& drive_;
    std::string programDir_;
    std::string gameFolder_;
    std::string place_;  // decided when the settings are read, kept for writing them
};

}  // namespace yacht
