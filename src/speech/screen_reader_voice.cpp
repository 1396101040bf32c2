#include "speech/screen_reader_voice.h"

#include <algorithm>

namespace yacht {

ScreenReaderVoice::ScreenReaderVoice(Announce announce, Wait wait,
                                     std::function<Clock::time_point()> now)
    : announce_(std::move(announce)), wait_(std::move(wait)), now_(std::move(now))
{
}

std::chrono::milliseconds ScreenReaderVoice::estimate(const std::string& text)
{
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return std::chrono::milliseconds(250 + 55 * static_cast<long long>(characters));
}

void ScreenReaderVoice::next()
{
    if (waiting_.empty() || now_() < busyUntil_) return;
    const std::string text = std::move(waiting_.front());
    waiting_.pop_front();
    busyUntil_ = now_() + estimate(text);
    ++handed_;
    announce_(text);
}

void ScreenReaderVoice::speak(const std::string& text, SpeakMode mode)
{
    std::string plain = text;
    const auto first = plain.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return;
    waiting_.push_back(std::move(plain));
    next();
    if (mode == SpeakMode::Sync) {
        const uint64_t mine = handed_ + waiting_.size();
        wait_([this, mine] {
            next();
            return handed_ >= mine && now_() >= busyUntil_;
        });
    }
}

RunState ScreenReaderVoice::runningState()
{
    next();
    return waiting_.empty() && now_() >= busyUntil_ ? RunState::Done : RunState::Speaking;
}

void ScreenReaderVoice::stopSpeaking()
{
    // The screen reader hushes itself on Ctrl; the game stops waiting for it.
    handed_ += waiting_.size();
    waiting_.clear();
    busyUntil_ = now_();
}

}  // namespace yacht
