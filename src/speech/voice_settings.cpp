#include "speech/voice_settings.h"

#include "speech/voice_speed.h"

namespace yacht {
namespace {

constexpr int16_t kNormalSpeed = 2;

// The name of the voice in use, to store beside its position: the listed voice's name, or the
// stored name while the list is still pending.
std::string voiceNameToStore(const Game& g, Voice& voice)
{
    return voice.voiceList() == VoiceList::Ready ? voice.voiceName(g.voiceindex) : g.voicename;
}

}  // namespace

void readsettings(Game& g, Storage& storage)
{
    const StoredSettings stored = storage.readSettings();
    g.voiceindex = stored.voiceindex;
    g.speedindex = stored.speedindex;
    g.voicename = stored.voicename;
    g.speechengine = stored.speechengine;
}

void applysettings(Game& g, Voice& voice)
{
    // The normal speed is the player's own rate: nothing is sent for it.
    if (g.speedindex != kNormalSpeed) voice.setRate(speedrate(g.speedindex));
    if (!g.voicename.empty()) voice.selectVoiceByName(g.voicename);
    g.voiceApplied = false;
    applystoredvoice(g, voice);
}

void applystoredvoice(Game& g, Voice& voice)
{
    if (g.voiceApplied) return;
    if (voice.voiceList() != VoiceList::Ready) return;
    const int count = voice.voiceCount();
    // The stored name wins over the stored position; a name no longer installed leaves the
    // position to decide.
    for (int i = 0; !g.voicename.empty() && i < count; ++i) {
        if (voice.voiceName(i) != g.voicename) continue;
        g.voiceindex = static_cast<int16_t>(i);
        break;
    }
    if (g.voiceindex < 0 || g.voiceindex >= count) g.voiceindex = 0;
    if (count > 0) voice.selectVoice(g.voiceindex);
    g.voiceApplied = true;
}

void savesettings(const Game& g, const Ports& ports)
{
    ports.storage.writeSettings(
        StoredSettings{g.voiceindex, g.speedindex, voiceNameToStore(g, ports.voice), g.speechengine});
}

}  // namespace yacht
