#include "persist/qt_persist_factory.h"

#include <QCoreApplication>
#include <QDir>

namespace yacht {
namespace {

class NoStore : public SettingsStore {
public:
    std::string get(const std::string&, const std::string&, const std::string&,
                    const std::string& fallback) override
    {
        return fallback;
    }
    bool set(const std::string&, const std::string&, const std::string&,
             const std::string&) override
    {
        return false;
    }
};

class NoDrive : public DriveInfo {
public:
    std::string busType(const std::string&) override { return {}; }
    DriveType driveType(const std::string&) override { return DriveType::Unknown; }
};

}  // namespace

std::unique_ptr<SettingsStore> makeSettingsStore()
{
    return std::make_unique<NoStore>();
}

std::unique_ptr<DriveInfo> makeDriveInfo()
{
    return std::make_unique<NoDrive>();
}

std::string temporaryFilesDirectory()
{
    QString dir = QDir::tempPath();
    if (!dir.endsWith('/')) dir += '/';
    return dir.toStdString();
}

std::string programDirectory()
{
    return QCoreApplication::applicationDirPath().toStdString();
}

}  // namespace yacht
