#include "speech/qt_spoken_voice.h"

#include "speech/qt_flite_voice.h"
#include "speech/qt_speechd_voice.h"
#include "speech/silent_voice.h"

namespace yacht {
namespace {

std::unique_ptr<Voice> fliteOrSilence()
{
    if (auto voice = openFliteVoice()) return voice;
    return std::make_unique<SilentVoice>();
}

}  // namespace

std::unique_ptr<Voice> openSpokenVoice(const std::string& engine)
{
    if (engine == "none") return std::make_unique<SilentVoice>();
    if (engine == "flite") return fliteOrSilence();
    // speech-dispatcher for any other name. Its connection is made in the background; when the
    // server cannot be reached, flite takes over, and silence when flite cannot be loaded either,
    // so the game always has a voice and never waits for one.
    return openSpeechdVoice(fliteOrSilence);
}

}  // namespace yacht
