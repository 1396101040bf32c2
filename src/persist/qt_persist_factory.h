#pragma once
// Builds the real settings store and drive query, and finds the platform's folders.

#include <memory>
#include <string>

#include "persist/drive_info.h"
#include "persist/settings_store.h"
#include "persist/state_folder.h"

namespace yacht {

std::unique_ptr<SettingsStore> makeSettingsStore();
std::unique_ptr<DriveInfo> makeDriveInfo();

// The temporary-files directory, ending in a separator, where earlier versions kept the game.
std::string temporaryFilesDirectory();

// The user's folders from the environment; the home folder from the account when $HOME is unset.
UserFolders userFolders();

// The folder of the running executable.
std::string programDirectory();

}  // namespace yacht
