#include "persist/settings.h"

#include "persist/file_io.h"
#include "persist/settings_file.h"

namespace yacht {
namespace {

const char* const kApplication = "Tevrin";
const char* const kSection = "Q73";
const char* const kVoiceKey = "Voice";
const char* const kSpeedKey = "Speed";
// The voice's own name, beside its position: the name selects the voice before the voices are
// listed, and stays right when voices are installed or removed.
const char* const kVoiceNameKey = "VoiceName";
// The speech engine whose voices the stored position and name count among; without it they are
// speech-dispatcher's, as every voice stored before the key existed is.
const char* const kVoiceEngineKey = "VoiceEngine";
// The speech engine the player last named on the command line, kept only when one was named.
const char* const kSpeechEngineKey = "SpeechEngine";
// The language the stored voice speaks, so that a game in another language leaves it aside
// before the voices are listed; settings stored before the key existed have none.
const char* const kVoiceLanguageKey = "VoiceLanguage";
const char* const kBriefKey = "Brief";

constexpr int16_t kDefaultVoice = 0;
constexpr int16_t kDefaultSpeed = 2;
constexpr int16_t kFastestSpeed = 4;

int16_t voiceFrom(const std::string& text)
{
    const int16_t voice = numberOf(text);
    return voice < 0 ? kDefaultVoice : voice;
}

int16_t speedFrom(const std::string& text)
{
    const int16_t speed = numberOf(text);
    return speed < 0 || speed > kFastestSpeed ? kDefaultSpeed : speed;
}

// The engines worth starting with again: those that speak.
bool rememberable(const std::string& engine)
{
    return engine == "speechd" || engine == "flite" || engine == "screen-reader";
}

std::string knownEngine(const std::string& engine)
{
    return rememberable(engine) ? engine : std::string();
}

// A voice's engine as read: a missing or empty one is the default. Any other text is kept as it
// is, so a voice of an engine this version does not know is never applied, nor lost.
std::string voiceEngineFrom(const std::string& text)
{
    return text.empty() ? std::string(kDefaultSpeechEngine) : text;
}

}  // namespace

std::string settingsPlace(DriveInfo& drive, const std::string& programDir)
{
    if (programDir.empty()) return "";
    if (drive.busType(programDir) != "Usb") return "";
    const DriveType type = drive.driveType(programDir);
    if (type != DriveType::Removable && type != DriveType::Fixed) return "";
    // An installed game on a machine that boots from USB sits in a folder the player cannot
    // write: a settings file there could never be made, so the per-user store keeps them.
    if (!drive.writable(programDir)) return "";
    return programDir;
}

std::string settingsFilePath(const std::string& place)
{
    std::string folder = place;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder + kSettingsFileName;
}

SpeechEngineChoice chooseSpeechEngine(const std::string& option, const std::string& stored)
{
    if (option.empty()) return {knownEngine(stored), knownEngine(stored)};
    return {option, rememberable(option) ? option : knownEngine(stored)};
}

StoredSettings readStoredSettings(SettingsStore& store, const std::string& place)
{
    StoredSettings s;
    if (place.empty()) {
        s.voiceIndex = voiceFrom(store.get(kApplication, kSection, kVoiceKey, decimal(kDefaultVoice)));
        s.speedIndex = speedFrom(store.get(kApplication, kSection, kSpeedKey, decimal(kDefaultSpeed)));
        s.voiceName = store.get(kApplication, kSection, kVoiceNameKey, "");
        s.voiceEngine = voiceEngineFrom(store.get(kApplication, kSection, kVoiceEngineKey, ""));
        s.voiceLanguage = store.get(kApplication, kSection, kVoiceLanguageKey, "");
        s.speechEngine = knownEngine(store.get(kApplication, kSection, kSpeechEngineKey, ""));
        s.briefSpeech = store.get(kApplication, kSection, kBriefKey, "0") == "1";
        return s;
    }
    const auto texts = readSettingsFile(settingsFilePath(place));
    if (!texts) return s;
    if (texts->voice) s.voiceIndex = voiceFrom(*texts->voice);
    if (texts->speed) s.speedIndex = speedFrom(*texts->speed);
    if (texts->voiceName) s.voiceName = *texts->voiceName;
    if (texts->voiceEngine) s.voiceEngine = voiceEngineFrom(*texts->voiceEngine);
    if (texts->voiceLanguage) s.voiceLanguage = *texts->voiceLanguage;
    if (texts->speechEngine) s.speechEngine = knownEngine(*texts->speechEngine);
    if (texts->brief) s.briefSpeech = *texts->brief == "1";
    return s;
}

void writeStoredSettings(SettingsStore& store, const std::string& place, const StoredSettings& s)
{
    if (place.empty()) {
        store.set(kApplication, kSection, kVoiceKey, decimal(s.voiceIndex));
        store.set(kApplication, kSection, kSpeedKey, decimal(s.speedIndex));
        // A voice without a name of its own adds no key, and a voice of the default engine no
        // engine; a key stored before is overwritten, so it no longer tells of another voice.
        if (!s.voiceName.empty() || !store.get(kApplication, kSection, kVoiceNameKey, "").empty())
            store.set(kApplication, kSection, kVoiceNameKey, s.voiceName);
        if (s.voiceEngine != kDefaultSpeechEngine ||
            !store.get(kApplication, kSection, kVoiceEngineKey, "").empty())
            store.set(kApplication, kSection, kVoiceEngineKey, s.voiceEngine);
        if (!s.voiceLanguage.empty() || !store.get(kApplication, kSection, kVoiceLanguageKey, "").empty())
            store.set(kApplication, kSection, kVoiceLanguageKey, s.voiceLanguage);
        // Only a player who named an engine has one stored: the keys above stay all there is
        // otherwise.
        if (!s.speechEngine.empty()) store.set(kApplication, kSection, kSpeechEngineKey, s.speechEngine);
        // Brief speech adds its key once chosen; full speech, the default, only overwrites it.
        if (s.briefSpeech || !store.get(kApplication, kSection, kBriefKey, "").empty())
            store.set(kApplication, kSection, kBriefKey, s.briefSpeech ? "1" : "0");
        return;
    }
    writeSettingsFile(settingsFilePath(place),
                      SettingsValues{s.voiceIndex, s.speedIndex, s.voiceName, s.speechEngine,
                                     s.voiceEngine, s.briefSpeech, s.voiceLanguage});
}

}  // namespace yacht
