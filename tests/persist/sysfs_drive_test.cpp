#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "persist/sysfs_drive.h"
#include "persist/temp_folder.h"

namespace yacht::test {
namespace {

namespace fs = std::filesystem;

// A small sysfs tree: a disk's folder under sys/devices with a "removable" file, optionally one
// partition inside it, and the sys/dev/block link to the folder the device number names.
class FakeSysfs {
public:
    // `diskPath` is relative to sys/devices and ends in the disk's folder.
    void addDisk(const std::string& diskPath, DeviceNumber number, const std::string& removable,
                 const std::string& partition = "")
    {
        const fs::path disk = fs::path(root_.path()) / "sys/devices" / diskPath;
        fs::create_directories(disk);
        if (!removable.empty()) writeText((disk / "removable").string(), removable);
        fs::path target = disk;
        if (!partition.empty()) {
            target = disk / partition;
            fs::create_directories(target);
            writeText((target / "partition").string(), "1\n");
        }
        link(target, number);
    }

    void link(const fs::path& target, DeviceNumber number)
    {
        const fs::path block = fs::path(root_.path()) / "sys/dev/block";
        fs::create_directories(block);
        const fs::path name = block / (std::to_string(number.major) + ":" + std::to_string(number.minor));
        // Relative, as the kernel makes them: ../../devices/...
        fs::create_symlink(fs::relative(target, block), name);
    }

    const std::string& root() const { return root_.path(); }

private:
    TempFolder root_;
};

struct DriveCase {
    const char* name;
    std::string diskPath;
    std::string removable;
    std::string partition;
    std::string bus;
    DriveType type;
};

void PrintTo(const DriveCase& c, std::ostream* os) { *os << c.name; }

class SysfsDrive : public ::testing::TestWithParam<DriveCase> {};

TEST_P(SysfsDrive, TellsBusAndTypeFromTheDevicePath)
{
    const DriveCase& c = GetParam();
    FakeSysfs sysfs;
    sysfs.addDisk(c.diskPath, {8, 17}, c.removable, c.partition);
    EXPECT_EQ(sysfsBusType(sysfs.root(), {8, 17}), c.bus);
    EXPECT_EQ(sysfsDriveType(sysfs.root(), {8, 17}), c.type);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, SysfsDrive,
    ::testing::Values(
        DriveCase{"UsbStickPartition",
                  "pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb",
                  "1\n", "sdb1", "Usb", DriveType::Removable},
        DriveCase{"UsbHardDiskWholeDevice",
                  "pci0000:00/0000:00:14.0/usb3/3-2/3-2:1.0/host7/target7:0:0/7:0:0:0/block/sdc",
                  "0\n", "", "Usb", DriveType::Fixed},
        DriveCase{"SataDisk",
                  "pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda", "0\n",
                  "sda2", "Ata", DriveType::Fixed},
        DriveCase{"ScsiDisk",
                  "pci0000:00/0000:00:10.0/host2/target2:0:0/2:0:0:0/block/sdd", "0\n", "sdd1",
                  "Scsi", DriveType::Fixed},
        DriveCase{"NvmeDiskCannotBeNamed",
                  "pci0000:00/0000:00:1d.0/0000:3d:00.0/nvme/nvme0/nvme0n1", "0\n", "nvme0n1p1",
                  "", DriveType::Fixed},
        DriveCase{"MissingRemovableFile",
                  "pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/host3/target3:0:0/3:0:0:0/block/sde",
                  "", "sde1", "Usb", DriveType::Unknown},
        DriveCase{"UnreadableRemovableFlag", "virtual/block/loop0", "x\n", "", "",
                  DriveType::Unknown},
        DriveCase{"UsbLookalikeNameIsNotUsb",
                  "pci0000:00/0000:00:17.0/usbfoo/ata2/host1/target1:0:0/1:0:0:0/block/sdf",
                  "0\n", "", "Ata", DriveType::Fixed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SysfsDriveUnknown, DeviceMissingFromTheTreeIsNeitherUsbNorTyped)
{
    FakeSysfs sysfs;
    sysfs.addDisk("virtual/block/loop0", {7, 0}, "0\n");
    EXPECT_EQ(sysfsBusType(sysfs.root(), {9, 9}), "");
    EXPECT_EQ(sysfsDriveType(sysfs.root(), {9, 9}), DriveType::Unknown);
    EXPECT_EQ(sysfsBusType("/nonexistent-yacht-root", {8, 1}), "");
}

TEST(SysfsDriveUnknown, DanglingLinkIsNeitherUsbNorTyped)
{
    FakeSysfs sysfs;
    sysfs.link(fs::path(sysfs.root()) / "sys/devices/gone/usb1/block/sdz", {8, 99});
    EXPECT_EQ(sysfsBusType(sysfs.root(), {8, 99}), "");
    EXPECT_EQ(sysfsDriveType(sysfs.root(), {8, 99}), DriveType::Unknown);
}

TEST(SysfsDriveInfoOfFolder, LooksUpTheDeviceTheFolderLiesOn)
{
    TempFolder program;
    struct stat info {};
    ASSERT_EQ(::stat(program.path().c_str(), &info), 0);
    const DeviceNumber number{::major(info.st_dev), ::minor(info.st_dev)};

    FakeSysfs sysfs;
    sysfs.addDisk("pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb",
                  number, "1\n", "sdb1");
    SysfsDriveInfo drive(sysfs.root());
    EXPECT_EQ(drive.busType(program.path()), "Usb");
    EXPECT_EQ(drive.driveType(program.path()), DriveType::Removable);
    EXPECT_EQ(drive.busType(program.file("missing")), "");
    EXPECT_EQ(drive.driveType(program.file("missing")), DriveType::Unknown);
}

}  // namespace
}  // namespace yacht::test
