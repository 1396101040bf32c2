#include "persist/settings.h"

#include "persist/settings_file.h"
#include "speech/voice_speed.h"

namespace yacht {
namespace {

const char* const kApplication = "Tevrin";
const char* const kSection = "Q73";
const char* const kVoiceKey = "Voice";
const char* const kSpeedKey = "Speed";
// The voice's own name, beside its position: the name selects the voice before the voices are
// listed, and stays right when voices are installed or removed.
const char* const kVoiceNameKey = "VoiceName";
// The speech engine the player last named on the command line, kept only when one was named.
const char* const kSpeechEngineKey = "SpeechEngine";

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

// The name of the voice in use, to store beside its position: the listed voice's name, or the
// stored name while the list is still pending.
std::string voiceNameToStore(Yacht& y)
{
    Voice& voice = y.ports.voice;
    return voice.voiceList() == VoiceList::Ready ? voice.voiceName(y.game.voiceindex) : y.voicename;
}

}  // namespace

std::string settingsPlace(DriveInfo& drive, const std::string& programdir)
{
    if (programdir.empty()) return "";
    if (drive.busType(programdir) != "Usb") return "";
    const DriveType type = drive.driveType(programdir);
    if (type != DriveType::Removable && type != DriveType::Fixed) return "";
    // An installed game on a machine that boots from USB sits in a folder the player cannot
    // write: a settings file there could never be made, so the per-user store keeps them.
    if (!drive.writable(programdir)) return "";
    return programdir;
}

void findsettingsplace(Yacht& y)
{
    y.game.usbdrive = settingsPlace(y.ports.drive, y.programdir);
}

std::string settingsFilePath(const std::string& usbdrive)
{
    std::string folder = usbdrive;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder + kSettingsFileName;
}

std::string settingsFilePath(const Yacht& y)
{
    return settingsFilePath(y.game.usbdrive);
}

SpeechEngineChoice chooseSpeechEngine(const std::string& option, const std::string& stored)
{
    if (option.empty()) return {knownEngine(stored), knownEngine(stored)};
    return {option, rememberable(option) ? option : knownEngine(stored)};
}

std::string storedSpeechEngine(SettingsStore& store, const std::string& usbdrive)
{
    if (usbdrive.empty()) return knownEngine(store.get(kApplication, kSection, kSpeechEngineKey, ""));
    const auto texts = readSettingsFile(settingsFilePath(usbdrive));
    return texts && texts->speechengine ? knownEngine(*texts->speechengine) : std::string();
}

void readsettings(Yacht& y)
{
    Game& g = y.game;
    g.voiceindex = kDefaultVoice;
    g.speedindex = kDefaultSpeed;
    if (g.usbdrive.empty()) {
        SettingsStore& store = y.ports.store;
        g.voiceindex = voiceFrom(store.get(kApplication, kSection, kVoiceKey, decimal(kDefaultVoice)));
        g.speedindex = speedFrom(store.get(kApplication, kSection, kSpeedKey, decimal(kDefaultSpeed)));
        y.voicename = store.get(kApplication, kSection, kVoiceNameKey, "");
        y.speechengine = knownEngine(store.get(kApplication, kSection, kSpeechEngineKey, ""));
        return;
    }
    const auto texts = readSettingsFile(settingsFilePath(y));
    if (!texts) return;
    if (texts->voice) g.voiceindex = voiceFrom(*texts->voice);
    if (texts->speed) g.speedindex = speedFrom(*texts->speed);
    if (texts->voicename) y.voicename = *texts->voicename;
    if (texts->speechengine) y.speechengine = knownEngine(*texts->speechengine);
}

void applysettings(Yacht& y)
{
    // The normal speed is the player's own rate: nothing is sent for it.
    if (y.game.speedindex != kDefaultSpeed) y.ports.voice.setRate(speedrate(y.game.speedindex));
    if (!y.voicename.empty()) y.ports.voice.selectVoiceByName(y.voicename);
    y.voiceApplied = false;
    applystoredvoice(y);
}

void applystoredvoice(Yacht& y)
{
    if (y.voiceApplied) return;
    Voice& voice = y.ports.voice;
    if (voice.voiceList() != VoiceList::Ready) return;
    const int count = voice.voiceCount();
    Game& g = y.game;
    // The stored name wins over the stored position; a name no longer installed leaves the
    // position to decide.
    for (int i = 0; !y.voicename.empty() && i < count; ++i) {
        if (voice.voiceName(i) != y.voicename) continue;
        g.voiceindex = static_cast<int16_t>(i);
        break;
    }
    if (g.voiceindex < 0 || g.voiceindex >= count) g.voiceindex = 0;
    if (count > 0) voice.selectVoice(g.voiceindex);
    y.voiceApplied = true;
}

void savesettings(Yacht& y)
{
    const Game& g = y.game;
    if (g.usbdrive.empty()) {
        SettingsStore& store = y.ports.store;
        store.set(kApplication, kSection, kVoiceKey, decimal(g.voiceindex));
        store.set(kApplication, kSection, kSpeedKey, decimal(g.speedindex));
        const std::string name = voiceNameToStore(y);
        // A voice without a name of its own (the silent one) adds no key; one stored before is
        // cleared so it no longer overrides the position.
        if (!name.empty() || !y.voicename.empty())
            store.set(kApplication, kSection, kVoiceNameKey, name);
        // Only a player who named an engine has one stored: the keys above stay all there is
        // otherwise.
        if (!y.speechengine.empty()) store.set(kApplication, kSection, kSpeechEngineKey, y.speechengine);
        return;
    }
    writeSettingsFile(settingsFilePath(y),
                      SettingsValues{g.voiceindex, g.speedindex, voiceNameToStore(y), y.speechengine});
}

}  // namespace yacht
