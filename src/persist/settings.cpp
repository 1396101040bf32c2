#include "persist/settings.h"

#include "persist/settings_file.h"

namespace yacht {
namespace {

const char* const kApplication = "Tevrin";
const char* const kSection = "Q73";
const char* const kVoiceKey = "Voice";
const char* const kSpeedKey = "Speed";

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

}  // namespace

std::string getbustype(Yacht& y, const std::string& folder)
{
    return y.ports.drive.busType(folder);
}

void findsettingsplace(Yacht& y)
{
    y.game.usbdrive.clear();
    if (y.programdir.empty()) return;
    if (getbustype(y, y.programdir) != "Usb") return;
    const DriveType type = y.ports.drive.driveType(y.programdir);
    if (type != DriveType::Removable && type != DriveType::Fixed) return;
    // An installed game on a machine that boots from USB sits in a folder the player cannot
    // write: a settings file there could never be made, so the per-user store keeps them.
    if (!y.ports.drive.writable(y.programdir)) return;
    y.game.usbdrive = y.programdir;
}

std::string settingsFilePath(const Yacht& y)
{
    std::string folder = y.game.usbdrive;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder + kSettingsFileName;
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
        return;
    }
    const auto texts = readSettingsFile(settingsFilePath(y));
    if (!texts) return;
    if (texts->voice) g.voiceindex = voiceFrom(*texts->voice);
    if (texts->speed) g.speedindex = speedFrom(*texts->speed);
}

void applysettings(Yacht& y)
{
    y.ports.voice.setRate((y.game.speedindex - 2) * 2);
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
        return;
    }
    writeSettingsFile(settingsFilePath(y), g.voiceindex, g.speedindex);
}

}  // namespace yacht
