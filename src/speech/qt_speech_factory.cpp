#include "speech/qt_speech_factory.h"

#include "speech/qt_flite_voice.h"
#include "speech/qt_resources.h"
#include "speech/qt_sound_player.h"
#include "speech/qt_speechd_voice.h"
#include "speech/silent_voice.h"

namespace yacht {
namespace {

// Connecting to a running server takes a millisecond, starting one well under a second; a
// server that has not answered by then is taken as absent.
constexpr std::chrono::milliseconds kConnectBound{3000};

}  // namespace

std::unique_ptr<Voice> makeVoice(const std::string& engine)
{
    if (engine == "none") return std::make_unique<SilentVoice>();
    // flite when asked for; otherwise speech-dispatcher first. Every engine that cannot be
    // reached falls through to the next, and last to silence, so the game always has a voice.
    if (engine != "flite")
        if (auto voice = openSpeechdVoice(kConnectBound)) return voice;
    if (auto voice = openFliteVoice()) return voice;
    return std::make_unique<SilentVoice>();
}

std::unique_ptr<SoundPlayer> makeSoundPlayer()
{
    return makeQtSoundPlayer();
}

std::unique_ptr<Resources> makeResources()
{
    return makeQtResources();
}

}  // namespace yacht
