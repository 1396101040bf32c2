#pragma once
// The per-user settings store port: text values by application, section and key.

#include <string>

namespace yacht {

// Reads give the default for a missing key; a write that fails is reported by false and the
// game carries on.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string get(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& fallback) = 0;
    virtual bool set(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) = 0;
};

}  // namespace yacht
