#pragma once
// The drive query port: how the drive the program runs from is attached.

#include <string>

namespace yacht {

// The platform's drive type numbers that matter to the game.
enum class DriveType { Unknown = 0, Removable = 2, Fixed = 3, Other = 4 };

// Tells the bus ("Usb", "Ata", "Scsi", ... or "") and the type of the drive holding a folder, and
// whether this user may create files in the folder.
class DriveInfo {
public:
    virtual ~DriveInfo() = default;
    virtual std::string busType(const std::string& folder) = 0;
    virtual DriveType driveType(const std::string& folder) = 0;
    virtual bool writable(const std::string& folder) = 0;
};

}  // namespace yacht
