#include "speech/qt_speech_factory.h"

#include "speech/qt_flite_voice.h"
#include "speech/qt_orca_rate.h"
#include "speech/qt_resources.h"
#include "speech/qt_sound_player.h"
#include "speech/qt_screen_reader.h"
#include "speech/qt_speechd_voice.h"
#include "speech/screen_reader_voice.h"
#include "speech/silent_voice.h"

namespace yacht {
namespace {

std::unique_ptr<Voice> fliteOrSilence()
{
    if (auto voice = openFliteVoice()) return voice;
    return std::make_unique<SilentVoice>();
}

}  // namespace

std::unique_ptr<Voice> makeVoice(const std::string& engine,
                                 std::function<void(const std::string&)> announce,
                                 std::string* notice, Clock* clock)
{
    if (engine == "none") return std::make_unique<SilentVoice>();
    if (engine == "flite") return fliteOrSilence();
    if (engine == "screen-reader") {
        if (announce && screenReaderRunning()) {
            return std::make_unique<ScreenReaderVoice>(
                std::move(announce), ScreenReaderVoice::wordsPerMinute(orcaSpeechRate()),
                &std::chrono::steady_clock::now, clock);
        }
        if (notice)
            *notice = "No screen reader is running, so the game speaks through speech dispatcher. ";
    }
    // speech-dispatcher for any other name. Its connection is made in the background; when the
    // server cannot be reached, flite takes over, and silence when flite cannot be loaded either,
    // so the game always has a voice and never waits for one.
    return openSpeechdVoice(fliteOrSilence);
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
