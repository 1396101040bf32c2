#pragma once
// The settings file kept beside the program when it runs from a USB drive: lines of key, TAB
// and value, ended by CR LF.

#include <optional>
#include <string>

#include "engine/voice_choice.h"

namespace yacht {

// The values found in the settings file, as texts; a key that no line names is absent.
struct SettingsTexts {
    std::optional<std::string> voice;
    std::optional<std::string> speed;
    std::optional<std::string> voiceName;
    std::optional<std::string> voiceEngine;
    std::optional<std::string> speechEngine;
    std::optional<std::string> brief;
    std::optional<std::string> voiceLanguage;
};

// What the file holds once written: the voice's position and the speed always, the voice's name
// and the remembered speech engine when there are any.
struct SettingsValues {
    int voiceIndex = 0;
    int speedIndex = 2;
    std::string voiceName;
    std::string speechEngine;
    std::string voiceEngine = kDefaultSpeechEngine;  // the engine the voice belongs to
    bool briefSpeech = false;
    std::string voiceLanguage{};  // the language the voice speaks, "" when not known
};

// The file's name in the program's folder.
inline constexpr const char* kSettingsFileName = "Tevrinyacht.ini";

// Makes sure the file exists (creating it empty) and reads it. Nothing when it cannot be
// created or read, so the defaults stay. Lines without a TAB are skipped, fields after the
// second are ignored, keys are matched exactly, and a later line overrides an earlier one.
std::optional<SettingsTexts> readSettingsFile(const std::string& path);

// The file's contents: the "Voice" and then the "Speed" line, followed by a "VoiceName" line
// when the voice has a name, a "VoiceEngine" line when it is not speech-dispatcher's, a
// "SpeechEngine" line when one is remembered, a "Brief" line when brief speech is chosen, and a
// "VoiceLanguage" line when the voice's language is known. A
// name that would break its line (a TAB or a line end in it) is left out, so the voice's
// position decides at the next start.
std::string settingsFileText(const SettingsValues& values);

// Replaces the file with those lines; false when it cannot be written (the old file stays).
bool writeSettingsFile(const std::string& path, const SettingsValues& values);

}  // namespace yacht
