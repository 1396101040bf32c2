#include "persist/qt_settings_store.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <memory>
#include <sys/stat.h>

namespace yacht {
namespace {

// The file QSettings reads for the application: the given one, or
// <configuration folder>/<application>/<application>.conf.
QString fileOf(const QString& file, const QString& application)
{
    if (!file.isEmpty()) return file;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
           application + '/' + application + ".conf";
}

// QSettings opens its file as it is made and would wait for good on a named pipe: anything there
// but a regular file leaves the store unreadable and unwritable, so the defaults stay.
bool usable(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return true;  // made on writing
    return S_ISREG(info.st_mode);
}

std::unique_ptr<QSettings> open(const QString& file, const std::string& application)
{
    const QString name = QString::fromStdString(application);
    if (!usable(fileOf(file, name))) return nullptr;
    if (!file.isEmpty()) return std::make_unique<QSettings>(file, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, name, name);
}

QString path(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

}  // namespace

std::string QtSettingsStore::get(const std::string& application, const std::string& section,
                                 const std::string& key, const std::string& fallback)
{
    const auto settings = open(file_, application);
    if (!settings) return fallback;
    const QVariant value = settings->value(path(section, key));
    if (!value.isValid()) return fallback;
    return value.toString().toStdString();
}

bool QtSettingsStore::set(const std::string& application, const std::string& section,
                          const std::string& key, const std::string& value)
{
    const auto settings = open(file_, application);
    if (!settings || !settings->isWritable()) return false;
    settings->setValue(path(section, key), QString::fromStdString(value));
    settings->sync();
    return settings->status() == QSettings::NoError;
}

}  // namespace yacht
