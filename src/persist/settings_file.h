#pragma once
// The settings file kept beside the program when it runs from a USB drive: lines of key, TAB
// and value, ended by CR LF.

#include <optional>
#include <string>

namespace yacht {

// The values found in the settings file, as texts; a key that no line names is absent.
struct SettingsTexts {
    std::optional<std::string> voice;
    std::optional<std::string> speed;
};

// The file's name in the program's folder.
inline constexpr const char* kSettingsFileName = "Tevrinyacht.ini";

// Makes sure the file exists (creating it empty) and reads it. Nothing when it cannot be
// created or read, so the defaults stay. Lines without a TAB are skipped, fields after the
// second are ignored, keys are matched exactly, and a later line overrides an earlier one.
std::optional<SettingsTexts> readSettingsFile(const std::string& path);

// The file's contents for a voice and a speed: exactly the "Voice" and then the "Speed" line.
std::string settingsFileText(int voiceindex, int speedindex);

// Replaces the file with the two lines; false when it cannot be written (the old file stays).
bool writeSettingsFile(const std::string& path, int voiceindex, int speedindex);

}  // namespace yacht
