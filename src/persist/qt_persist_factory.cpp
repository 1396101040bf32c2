#include "persist/qt_persist_factory.h"

#include <QCoreApplication>
#include <QDir>

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
    // QDir::tempPath honours TMPDIR, so a test or a player can point the saved game elsewhere.
    QString dir = QDir::tempPath();
    if (!dir.endsWith('/')) dir += '/';
    return dir.toStdString();
}

std::string programDirectory()
{
    return QCoreApplication::applicationDirPath().toStdString();
}

}  // namespace yacht
