#pragma once
// Builds the real settings store and drive query, and finds the platform's folders.

#include <memory>
#include <string>

#include "persist/drive_info.h"
#include "persist/settings_store.h"

namespace yacht {

std::unique_ptr<SettingsStore> makeSettingsStore();
std::unique_ptr<DriveInfo> makeDriveInfo();

// The temporary-files directory, ending in a separator.
std::string temporaryFilesDirectory();

// The folder of the running executable.
std::string programDirectory();

}  // namespace yacht
