#pragma once
// Tells from the kernel's sysfs tree how the drive holding a folder is attached, so the game can
// keep its settings beside itself when it runs from a USB stick or a USB hard disk.

#include <string>

#include "persist/drive_info.h"

namespace yacht {

// A block device by its major and minor numbers.
struct DeviceNumber {
    unsigned major = 0;
    unsigned minor = 0;
};

// The bus of a block device: "Usb" when it hangs below a USB controller, "Ata" or "Scsi" where
// the path tells, "" when it cannot be told. `root` is the folder holding sys/ ("/" normally).
std::string sysfsBusType(const std::string& root, DeviceNumber device);

// Removable or Fixed from the whole disk's "removable" file; Unknown when it cannot be read.
DriveType sysfsDriveType(const std::string& root, DeviceNumber device);

// The drive query for Linux: the folder's device number, looked up under `root`.
class SysfsDriveInfo : public DriveInfo {
public:
    explicit SysfsDriveInfo(std::string root = "/") : root_(std::move(root)) {}
    std::string busType(const std::string& folder) override;
    DriveType driveType(const std::string& folder) override;
    bool writable(const std::string& folder) override;

private:
    std::string root_;
};

}  // namespace yacht
