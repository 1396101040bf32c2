#pragma once
// The screen-reader voice: every text is handed to the player's running screen reader, which
// speaks it in the player's own voice and speed and shows it on their braille display.

#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "engine/clock.h"
#include "engine/voice.h"

namespace yacht {

// Hands texts to the screen reader one at a time and paces them, since the game cannot hear when
// the screen reader has finished and each text it hands over cuts the one before short: a text
// counts as said after an estimate from its words at the screen reader's own rate, and the next
// one is handed over only then. A key the player presses ends the wait at once (the screen
// reader has already cut the text at that key), so the key's answer is handed over at once.
// Long texts go over a sentence at a time. Rate, volume and voice are the screen reader's own.
class ScreenReaderVoice : public Voice {
public:
    using Clock = std::chrono::steady_clock;
    using Announce = std::function<void(const std::string&)>;

    // `wordsPerMinute` is the screen reader's speaking rate (see wordsPerMinute below). The timer
    // hands over the next piece and tells the game once the estimate of the last one has run out.
    ScreenReaderVoice(Announce announce, int wordsPerMinute,
                      std::function<Clock::time_point()> now = &Clock::now, ::yacht::Clock* timer = nullptr);
    ~ScreenReaderVoice() override;

    // Orca's rate (0 to 100, 50 its default) in words a minute, as speech-dispatcher's espeak-ng
    // voice speaks it on its own defaults: 175 at Orca's 50, up to 449 and down to 82.
    static int wordsPerMinute(int orcaRate);

    // How long a text takes at the given rate: a word for every word and every digit of a number
    // (the screen reader reads 254 as three words or more), long words counted by their length,
    // a short pause at each sentence's end. Never longer than the text takes at a slow 120 words
    // a minute, so a rate read wrongly cannot hold the game back for long.
    static std::chrono::milliseconds estimate(const std::string& text, int wordsPerMinute);

    // The pieces a text goes over in: a line at a time, and a long line a sentence at a time,
    // with a die not yet thrown ("?") named in words;
    // without line breaks; a short text whole.
    static std::vector<std::string> pieces(const std::string& text);

    // The player pressed a key: what still waits is dropped and the wait for the text being said
    // ends, so the answer to the key is handed over at once.
    void keyTaken();

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
    // Sets the timer for the end of the text being said: then the next is handed over, or the
    // game told that everything has been said.
    void awaitEstimate();
    // Words said after a sound are held a little longer once their last piece is handed over.
    void addSyncTail();

    Announce announce_;
    int wordsPerMinute_;
    std::function<Clock::time_point()> now_;
    std::deque<std::string> waiting_;
    Clock::time_point busyUntil_{};
    uint64_t handed_ = 0;  // texts handed over (or dropped) so far
    ::yacht::Clock* timer_;
    ::yacht::Clock::Ticket ticket_ = 0;
    uint64_t tailAt_ = 0;  // once this many texts are handed over, the last is given its tail  // the end of the estimate, while one is set
};

}  // namespace yacht
