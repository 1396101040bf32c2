#include "speech/qt_speech_factory.h"

#include "speech/qt_orca_rate.h"
#include "speech/qt_resources.h"
#include "speech/qt_sound_player.h"
#include "speech/qt_screen_reader.h"
#include "speech/qt_spoken_voice.h"
#include "speech/screen_reader_voice.h"

namespace yacht {

std::unique_ptr<Voice> makeVoice(const std::string& engine,
                                 std::function<void(const std::string&)> announce,
                                 std::string* notice, Clock* clock)
{
    if (engine == "screen-reader") {
        if (announce && screenReaderRunning()) {
            return std::make_unique<ScreenReaderVoice>(
                std::move(announce), ScreenReaderVoice::wordsPerMinute(orcaSpeechRate()),
                &std::chrono::steady_clock::now, clock);
        }
        if (notice)
            *notice = "No screen reader is running, so the game speaks through speech dispatcher. ";
    }
    return openSpokenVoice(engine);
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
