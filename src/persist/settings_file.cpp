#include "persist/settings_file.h"

#include "engine/game_state.h"
#include "persist/file_io.h"

namespace yacht {
namespace {

// A settings file holds two short lines; anything past this is not a settings file of ours and
// is read only this far.
constexpr std::size_t kReadBound = 64 * 1024;
constexpr std::size_t kLineBound = 4096;

}  // namespace

std::optional<SettingsTexts> readSettingsFile(const std::string& path)
{
    if (!touchFile(path)) return std::nullopt;
    const auto prefix = readFilePrefix(path, kReadBound);
    if (!prefix) return std::nullopt;

    SettingsTexts texts;
    for (const std::string& line : splitLines(prefix->bytes, kLineBound)) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos) continue;
        const std::string key = line.substr(0, tab);
        const auto end = line.find('\t', tab + 1);
        std::string value = line.substr(tab + 1, end == std::string::npos ? std::string::npos
                                                                          : end - tab - 1);
        if (key == "Voice")
            texts.voice = std::move(value);
        else if (key == "Speed")
            texts.speed = std::move(value);
        else if (key == "VoiceName")
            texts.voicename = std::move(value);
        else if (key == "VoiceEngine")
            texts.voiceengine = std::move(value);
        else if (key == "SpeechEngine")
            texts.speechengine = std::move(value);
    }
    return texts;
}

std::string settingsFileText(const SettingsValues& values)
{
    std::string text = "Voice\t" + decimal(values.voiceindex) + "\r\nSpeed\t" +
                       decimal(values.speedindex) + "\r\n";
    const auto fitsOnALine = [](const std::string& value) {
        return value.find_first_of("\t\r\n") == std::string::npos;
    };
    if (!values.voicename.empty() && fitsOnALine(values.voicename))
        text += "VoiceName\t" + values.voicename + "\r\n";
    if (values.voiceengine != kDefaultSpeechEngine && !values.voiceengine.empty() &&
        fitsOnALine(values.voiceengine))
        text += "VoiceEngine\t" + values.voiceengine + "\r\n";
    if (!values.speechengine.empty() && fitsOnALine(values.speechengine))
        text += "SpeechEngine\t" + values.speechengine + "\r\n";
    return text;
}

bool writeSettingsFile(const std::string& path, const SettingsValues& values)
{
    return replaceFile(path, settingsFileText(values));
}

}  // namespace yacht
