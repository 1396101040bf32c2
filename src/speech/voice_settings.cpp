#include "speech/voice_settings.h"

#include "speech/voice_speed.h"

namespace yacht {
namespace {

constexpr int16_t kNormalSpeed = 2;

// The name of the voice in use, to store beside its position: the listed voice's name, or the
// stored name while the list is still pending.
std::string voiceNameToStore(Yacht& y)
{
    Voice& voice = y.ports.voice;
    return voice.voiceList() == VoiceList::Ready ? voice.voiceName(y.game.voiceindex) : y.voicename;
}

}  // namespace

void readsettings(Yacht& y)
{
    const StoredSettings stored = y.ports.storage.readSettings();
    y.game.voiceindex = stored.voiceindex;
    y.game.speedindex = stored.speedindex;
    y.voicename = stored.voicename;
    y.speechengine = stored.speechengine;
}

void applysettings(Yacht& y)
{
    // The normal speed is the player's own rate: nothing is sent for it.
    if (y.game.speedindex != kNormalSpeed) y.ports.voice.setRate(speedrate(y.game.speedindex));
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
    y.ports.storage.writeSettings(
        StoredSettings{y.game.voiceindex, y.game.speedindex, voiceNameToStore(y), y.speechengine});
}

}  // namespace yacht
