#pragma once
// The screen-reader voice: every text is handed to the player's running screen reader, which
// speaks it in the player's own voice and speed and shows it on their braille display.

#include <chrono>
#include <deque>
#include <functional>
#include <string>

#include "speech/voice.h"

namespace yacht {

// Hands texts to the screen reader one at a time and paces them, since the game cannot hear
// when the screen reader has finished: a text counts as said after an estimate from its length
// at a fast screen-reader speed, and the next one is handed over only then (the screen reader
// would otherwise cut it short). Rate, volume and voice are the screen reader's own.
class ScreenReaderVoice : public Voice {
public:
    using Clock = std::chrono::steady_clock;
    using Announce = std::function<void(const std::string&)>;
    // Runs until the condition holds, keeping the window alive; an immediate check in tests.
    using Wait = std::function<void(const std::function<bool()>&)>;

    ScreenReaderVoice(Announce announce, Wait wait,
                      std::function<Clock::time_point()> now = &Clock::now);

    // How long a text is given: a quarter of a second, then 55 ms a character (a screen reader
    // at a fast speed says about 20 characters a second).
    static std::chrono::milliseconds estimate(const std::string& text);

    void speak(const std::string& text, SpeakMode mode) override;
    RunState runningState() override;
    void setRate(int) override {}
    void setVolume(int) override {}
    void setPriorityOver() override {}
    void stopSpeaking() override;
    VoiceList voiceList() override { return VoiceList::Ready; }
    int voiceCount() override { return 1; }
    void selectVoice(int) override {}
    std::string voiceDescription(int) override { return "your screen reader's voice"; }
    std::string engineName() override { return "screen-reader"; }
    SpeedSetting speedSetting() override { return SpeedSetting::ScreenReader; }

private:
    // Hands over the next waiting text once the one before is due to be over.
    void next();

    Announce announce_;
    Wait wait_;
    std::function<Clock::time_point()> now_;
    std::deque<std::string> waiting_;
    Clock::time_point busyUntil_{};
    uint64_t handed_ = 0;  // texts handed over so far
};

}  // namespace yacht
