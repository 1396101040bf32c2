#pragma once
// The per-user settings store on Qt's QSettings: one section per settings section, one text
// value per key.

#include <QString>

#include "persist/settings_store.h"

namespace yacht {

// Keeps each application's values in the user's configuration folder (on Linux
// ~/.config/<application>/<application>.conf), or in one given file for tests.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore() = default;
    explicit QtSettingsStore(QString file) : file_(std::move(file)) {}

    std::string get(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& fallback) override;
    bool set(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value) override;

private:
    QString file_;  // empty: the user's configuration folder
};

}  // namespace yacht
