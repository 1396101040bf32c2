#include "engine/voice_settings.h"

#include "engine/voice_speed.h"

namespace yacht {
namespace {

constexpr int16_t kNormalSpeed = 2;

// Whether the stored voice is one of the voices of the engine speaking now: positions and names
// mean something only among the voices of the engine that listed them.
bool storedVoiceSpeaksHere(const Game& g, Voice& voice)
{
    return voice.engineName() == g.storedvoice.engine;
}

}  // namespace

void loadSettings(Game& g, Storage& storage)
{
    const StoredSettings stored = storage.readSettings();
    g.storedvoice = StoredVoice{stored.voiceindex, stored.voicename, stored.voiceengine};
    g.voiceindex = stored.voiceindex;
    g.voicechangedon.clear();
    g.speedindex = stored.speedindex;
    g.speechengine = stored.speechengine;
}

void applyStoredSettings(Game& g, Voice& voice)
{
    // The normal speed is the player's own rate: nothing is sent for it.
    if (g.speedindex != kNormalSpeed) voice.setRate(rateForSpeed(g.speedindex));
    if (!g.storedvoice.name.empty() && storedVoiceSpeaksHere(g, voice))
        voice.selectVoiceByName(g.storedvoice.name);
    g.voiceApplied = false;
    selectStoredVoice(g, voice);
}

void selectStoredVoice(Game& g, Voice& voice)
{
    if (g.voiceApplied) return;
    if (voice.voiceList() != VoiceList::Ready) return;
    const int count = voice.voiceCount();
    // The engine is asked again now: speech-dispatcher may have handed over to flite while the
    // voices were being listed. Another engine's voice leaves this one with its own first voice.
    const bool ours = storedVoiceSpeaksHere(g, voice);
    if (!ours) g.voiceindex = 0;
    // The stored name wins over the stored position; a name no longer installed leaves the
    // position to decide.
    for (int i = 0; ours && !g.storedvoice.name.empty() && i < count; ++i) {
        if (voice.voiceName(i) != g.storedvoice.name) continue;
        g.voiceindex = static_cast<int16_t>(i);
        break;
    }
    if (g.voiceindex < 0 || g.voiceindex >= count) g.voiceindex = 0;
    if (count > 0) voice.selectVoice(g.voiceindex);
    g.voiceApplied = true;
}

void storeSettings(const Game& g, const Ports& ports)
{
    StoredSettings s;
    s.voiceindex = g.storedvoice.index;
    s.voicename = g.storedvoice.name;
    s.voiceengine = g.storedvoice.engine;
    s.speedindex = g.speedindex;
    s.speechengine = g.speechengine;
    // The voice in use is kept only when the player chose it in this run, on the engine speaking
    // now. A run on another engine, silence or the screen reader, or a speech server that failed
    // (before or after the player's change), leaves the stored voice as it was.
    Voice& voice = ports.voice;
    if (!g.voicechangedon.empty() && g.voicechangedon == voice.engineName()) {
        s.voiceindex = g.voiceindex;
        s.voicename = voice.voiceName(g.voiceindex);
        s.voiceengine = g.voicechangedon;
    }
    ports.storage.writeSettings(s);
}

}  // namespace yacht
