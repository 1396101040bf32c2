#include "engine/voice_settings.h"

#include "engine/voice_speed.h"

namespace yacht {
namespace {

constexpr int16_t kNormalSpeed = 2;

// Whether the stored voice is one of the voices of the engine speaking now: positions and names
// mean something only among the voices of the engine that listed them.
bool storedVoiceSpeaksHere(const Game& g, Voice& voice)
{
    return voice.engineName() == g.storedVoice.engine;
}

// The language part of a code in small letters ("de" of "de-DE" or "de_AT"); English for none.
std::string languagePart(const std::string& code)
{
    std::string part = code.empty() ? std::string("en") : code.substr(0, code.find_first_of("-_"));
    for (char& c : part)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return part;
}

// Whether a voice of that language fits the game: a voice whose language is not known does.
bool speaksGameLanguage(const Game& g, const std::string& voiceLanguage)
{
    return voiceLanguage.empty() || languagePart(voiceLanguage) == languagePart(g.language);
}

}  // namespace

void loadSettings(Game& g, Storage& storage)
{
    const StoredSettings stored = storage.readSettings();
    g.storedVoice = StoredVoice{stored.voiceIndex, stored.voiceName, stored.voiceEngine, stored.voiceLanguage};
    g.voiceIndex = stored.voiceIndex;
    g.voiceChangedOn.clear();
    g.speedIndex = stored.speedIndex;
    g.speechEngine = stored.speechEngine;
    g.briefSpeech = g.briefRemembered = stored.briefSpeech;
}

void applyStoredSettings(Game& g, Voice& voice)
{
    // The normal speed is the player's own rate: nothing is sent for it.
    if (g.speedIndex != kNormalSpeed) voice.setRate(rateForSpeed(g.speedIndex));
    // A voice stored in a game of another language gives way to the game's own language.
    if (!g.storedVoice.name.empty() && storedVoiceSpeaksHere(g, voice) &&
        speaksGameLanguage(g, g.storedVoice.language))
        voice.selectVoiceByName(g.storedVoice.name);
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
    const bool ours = storedVoiceSpeaksHere(g, voice) && speaksGameLanguage(g, g.storedVoice.language);
    if (!ours) g.voiceIndex = 0;
    // The stored name wins over the stored position; a name no longer installed leaves the
    // position to decide.
    for (int i = 0; ours && !g.storedVoice.name.empty() && i < count; ++i) {
        if (voice.voiceName(i) != g.storedVoice.name) continue;
        g.voiceIndex = static_cast<int16_t>(i);
        break;
    }
    if (g.voiceIndex < 0 || g.voiceIndex >= count) g.voiceIndex = 0;
    // Settings kept before the voice's language was stored: the list tells the voice's language.
    if (!speaksGameLanguage(g, voice.voiceLanguage(g.voiceIndex))) g.voiceIndex = 0;
    if (count > 0) voice.selectVoice(g.voiceIndex);
    g.voiceApplied = true;
}

void storeSettings(const Game& g, const Ports& ports)
{
    StoredSettings s;
    s.voiceIndex = g.storedVoice.index;
    s.voiceName = g.storedVoice.name;
    s.voiceEngine = g.storedVoice.engine;
    s.voiceLanguage = g.storedVoice.language;
    s.speedIndex = g.speedIndex;
    s.speechEngine = g.speechEngine;
    s.briefSpeech = g.briefRemembered;
    // The voice in use is kept only when the player chose it in this run, on the engine speaking
    // now. A run on another engine, silence or the screen reader, or a speech server that failed
    // (before or after the player's change), leaves the stored voice as it was.
    Voice& voice = ports.voice;
    if (!g.voiceChangedOn.empty() && g.voiceChangedOn == voice.engineName()) {
        s.voiceIndex = g.voiceIndex;
        s.voiceName = voice.voiceName(g.voiceIndex);
        s.voiceEngine = g.voiceChangedOn;
        s.voiceLanguage = voice.voiceLanguage(g.voiceIndex);
    }
    ports.storage.writeSettings(s);
}

}  // namespace yacht
