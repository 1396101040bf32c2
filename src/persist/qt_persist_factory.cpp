#include "persist/qt_persist_factory.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

#include "persist/qt_settings_store.h"
#include "persist/sysfs_drive.h"

namespace yacht {

std::unique_ptr<SettingsStore> makeSettingsStore()
{
    return std::make_unique<QtSettingsStore>();
}

std::unique_ptr<DriveInfo> makeDriveInfo()
{
    return std::make_unique<SysfsDriveInfo>("/");
}

std::string temporaryFilesDirectory()
{
    // QDir::tempPath honours TMPDIR, as the earlier versions that kept the game there did.
    QString dir = QDir::tempPath();
    if (!dir.endsWith('/')) dir += '/';
    return dir.toStdString();
}

UserFolders userFolders()
{
    const auto env = [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        if (!value) return std::nullopt;
        return std::string(value);
    };
    UserFolders folders{env("XDG_STATE_HOME"), env("XDG_RUNTIME_DIR"), env("HOME")};
    if (!folders.home || folders.home->empty()) {
        if (const passwd* account = ::getpwuid(::getuid()); account && account->pw_dir)
            folders.home = std::string(account->pw_dir);
    }
    return folders;
}

std::string programDirectory()
{
    return QCoreApplication::applicationDirPath().toStdString();
}

}  // namespace yacht
