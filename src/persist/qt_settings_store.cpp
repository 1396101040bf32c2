#include "persist/qt_settings_store.h"

#include <QSettings>
#include <memory>

namespace yacht {
namespace {

std::unique_ptr<QSettings> open(const QString& file, const std::string& application)
{
    if (!file.isEmpty()) return std::make_unique<QSettings>(file, QSettings::IniFormat);
    const QString name = QString::fromStdString(application);
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
    const QVariant value = settings->value(path(section, key));
    if (!value.isValid()) return fallback;
    return value.toString().toStdString();
}

bool QtSettingsStore::set(const std::string& application, const std::string& section,
                          const std::string& key, const std::string& value)
{
    const auto settings = open(file_, application);
    if (!settings->isWritable()) return false;
    settings->setValue(path(section, key), QString::fromStdString(value));
    settings->sync();
    return settings->status() == QSettings::NoError;
}

}  // namespace yacht
