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
            texts.voiceName = std::move(value);
        else if (key == "VoiceEngine")
            texts.voiceEngine = std::move(value);
        else if (key == "SpeechEngine")
            texts.speechEngine = std::move(value);
        else if (key == "Brief")
            texts.brief = std::move(value);
        else if (key == "VoiceLanguage")
            texts.voiceLanguage = std::move(value);
    }
    return texts;
}

std::string settingsFileText(const SettingsValues& values)
{
    std::string text = "Voice\t" + decimal(values.voiceIndex) + "\r\nSpeed\t" +
                       decimal(values.speedIndex) + "\r\n";
    const auto fitsOnALine = [](const std::string& value) {
        return value.find_first_of("\t\r\n") == std::string::npos;
    };
    if (!values.voiceName.empty() && fitsOnALine(values.voiceName))
        text += "VoiceName\t" + values.voiceName + "\r\n";
    if (values.voiceEngine != kDefaultSpeechEngine && !values.voiceEngine.empty() &&
        fitsOnALine(values.voiceEngine))
        text += "VoiceEngine\t" + values.voiceEngine + "\r\n";
    if (!values.speechEngine.empty() && fitsOnALine(values.speechEngine))
        text += "SpeechEngine\t" + values.speechEngine + "\r\n";
    if (values.briefSpeech) text += "Brief\t1\r\n";
    if (!values.voiceLanguage.empty() && fitsOnALine(values.voiceLanguage))
        text += "VoiceLanguage\t" + values.voiceLanguage + "\r\n";
    return text;
}

bool writeSettingsFile(const std::string& path, const SettingsValues& values)
{
    return replaceFile(path, settingsFileText(values));
}

}  // namespace yacht
