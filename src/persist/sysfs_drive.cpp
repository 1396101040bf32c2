#include "persist/sysfs_drive.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace yacht {
namespace {

namespace fs = std::filesystem;

// The device's folder under sys/devices, with the links of sys/dev/block followed.
std::optional<fs::path> deviceFolder(const std::string& root, DeviceNumber device)
{
    const fs::path link = fs::path(root) / "sys/dev/block" /
                          (std::to_string(device.major) + ":" + std::to_string(device.minor));
    std::error_code error;
    fs::path resolved = fs::canonical(link, error);
    if (error || !fs::is_directory(resolved, error)) return std::nullopt;
    return resolved;
}

// A partition's folder lies inside its disk's folder and holds a "partition" file.
fs::path wholeDisk(const fs::path& folder)
{
    std::error_code error;
    if (fs::exists(folder / "partition", error)) return folder.parent_path();
    return folder;
}

// True when the name is the prefix followed by at least one digit (usb1, ata3, host0).
bool numbered(const std::string& name, const std::string& prefix)
{
    return name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0 &&
           std::isdigit(static_cast<unsigned char>(name[prefix.size()]));
}

std::optional<DeviceNumber> deviceOf(const std::string& folder)
{
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) return std::nullopt;
    return DeviceNumber{::major(info.st_dev), ::minor(info.st_dev)};
}

}  // namespace

std::string sysfsBusType(const std::string& root, DeviceNumber device)
{
    const auto folder = deviceFolder(root, device);
    if (!folder) return {};
    bool ata = false;
    bool scsi = false;
    for (const fs::path& part : *folder) {
        const std::string name = part.string();
        // USB sits outermost in the path, so a USB stick seen through SCSI is still USB.
        if (numbered(name, "usb")) return "Usb";
        if (numbered(name, "ata")) ata = true;
        if (numbered(name, "host") || numbered(name, "target")) scsi = true;
    }
    if (ata) return "Ata";
    if (scsi) return "Scsi";
    return {};
}

DriveType sysfsDriveType(const std::string& root, DeviceNumber device)
{
    const auto folder = deviceFolder(root, device);
    if (!folder) return DriveType::Unknown;
    std::ifstream removable(wholeDisk(*folder) / "removable");
    char flag = 0;
    if (!(removable >> flag)) return DriveType::Unknown;
    if (flag == '1') return DriveType::Removable;
    if (flag == '0') return DriveType::Fixed;
    return DriveType::Unknown;
}

std::string SysfsDriveInfo::busType(const std::string& folder)
{
    const auto device = deviceOf(folder);
    return device ? sysfsBusType(root_, *device) : std::string();
}

DriveType SysfsDriveInfo::driveType(const std::string& folder)
{
    const auto device = deviceOf(folder);
    return device ? sysfsDriveType(root_, *device) : DriveType::Unknown;
}

bool SysfsDriveInfo::writable(const std::string& folder)
{
    // access() answers for this user and sees a file system mounted read-only, for root too.
    return ::access(folder.c_str(), W_OK) == 0;
}

}  // namespace yacht
