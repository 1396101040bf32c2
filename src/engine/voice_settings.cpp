#include "engine/voice_settings.h"

#include "engine/voice_speed.h"

namespace yacht {
namespace {

constexpr int16_t kNormalSpeed = 2;

// Whether the stored voice is one of the voices of the engine speaking now: positions and names
// mean something only among the voices of the engine that listed them.
bool storedVoiceSpeaksHere(const VoiceChoice& v, Voice& voice)
{
    return voice.engineName() == v.storedVoice.engine;
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
bool speaksGameLanguage(const VoiceChoice& v, const std::string& voiceLanguage)
{
    return voiceLanguage.empty() || languagePart(voiceLanguage) == languagePart(v.language);
}

}  // namespace

void loadSettings(VoiceChoice& v, Storage& storage)
{
    const StoredSettings stored = storage.readSettings();
    v.storedVoice = StoredVoice{stored.voiceIndex, stored.voiceName, stored.voiceEngine, stored.voiceLanguage};
    v.voiceIndex = stored.voiceIndex;
    v.voiceChangedOn.clear();
    v.speedIndex = stored.speedIndex;
    v.speechEngine = stored.speechEngine;
    v.briefSpeech = v.briefRemembered = stored.briefSpeech;
}

void applyStoredSettings(VoiceChoice& v, Voice& voice)
{
    // The normal speed is the player's own rate: nothing is sent for it.
    if (v.speedIndex != kNormalSpeed) voice.setRate(rateForSpeed(v.speedIndex));
    // A voice stored in a game of another language gives way to the game's own language.
    if (!v.storedVoice.name.empty() && storedVoiceSpeaksHere(v, voice) &&
        speaksGameLanguage(v, v.storedVoice.language))
        voice.selectVoiceByName(v.storedVoice.name);
    v.voiceApplied = false;
    selectStoredVoice(v, voice);
}

void selectStoredVoice(VoiceChoice& v, Voice& voice)
{
    if (v.voiceApplied) return;
    if (voice.voiceList() != VoiceList::Ready) return;
    const int count = voice.voiceCount();
    // The engine is asked again now: speech-dispatcher may have handed over to flite while the
    // voices were being listed. Another engine's voice leaves this one with its own first voice.
    const bool ours = storedVoiceSpeaksHere(v, voice) && speaksGameLanguage(v, v.storedVoice.language);
    if (!ours) v.voiceIndex = 0;
    // The stored name wins over the stored position; a name no longer installed leaves the
    // position to decide.
    for (int i = 0; ours && !v.storedVoice.name.empty() && i < count; ++i) {
        if (voice.voiceName(i) != v.storedVoice.name) continue;
        v.voiceIndex = static_cast<int16_t>(i);
        break;
    }
    if (v.voiceIndex < 0 || v.voiceIndex >= count) v.voiceIndex = 0;
    // Settings kept before the voice's language was stored: the list tells the voice's language.
    if (!speaksGameLanguage(v, voice.voiceLanguage(v.voiceIndex))) v.voiceIndex = 0;
    if (count > 0) voice.selectVoice(v.voiceIndex);
    v.voiceApplied = true;
}

void storeSettings(const VoiceChoice& v, const Ports& ports)
{
    StoredSettings s;
    s.voiceIndex = v.storedVoice.index;
    s.voiceName = v.storedVoice.name;
    s.voiceEngine = v.storedVoice.engine;
    s.voiceLanguage = v.storedVoice.language;
    s.speedIndex = v.speedIndex;
    s.speechEngine = v.speechEngine;
    s.briefSpeech = v.briefRemembered;
    // The voice in use is kept only when the player chose it in this run, on the engine speaking
    // now. A run on another engine, silence or the screen reader, or a speech server that failed
    // (before or after the player's change), leaves the stored voice as it was.
    Voice& voice = ports.voice;
    if (!v.voiceChangedOn.empty() && v.voiceChangedOn == voice.engineName()) {
        s.voiceIndex = v.voiceIndex;
        s.voiceName = voice.voiceName(v.voiceIndex);
        s.voiceEngine = v.voiceChangedOn;
        s.voiceLanguage = voice.voiceLanguage(v.voiceIndex);
    }
    ports.storage.writeSettings(s);
}

}  // namespace yacht
