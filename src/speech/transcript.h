#pragma once
// The transcript: one line per thing handed to the voice or the sound player, for tests and for
// deafblind players who read the game on a braille display.

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "engine/sound_player.h"
#include "engine/forwarding_voice.h"

namespace yacht {

// Writes "<milliseconds since start> <kind> <text>" lines, flushed at once.
class Transcript {
public:
    using Clock = std::chrono::steady_clock;
    // Takes ownership of the stream unless it is stdout or stderr.
    Transcript(std::FILE* out, Clock::time_point start);
    ~Transcript();
    Transcript(const Transcript&) = delete;
    Transcript& operator=(const Transcript&) = delete;

    void write(const std::string& kind, const std::string& text);

    // Opens "-" as standard output, anything else as a file; nullptr when it cannot be opened.
    static std::unique_ptr<Transcript> open(const std::string& path, Clock::time_point start);

private:
    std::FILE* out_;
    Clock::time_point start_;
};

// A voice that records what it is handed before passing it on.
class TranscriptVoice : public ForwardingVoice {
public:
    TranscriptVoice(Voice& inner, Transcript& transcript) : ForwardingVoice(inner), transcript_(transcript) {}
    void speak(const std::string& text, SpeakMode mode) override;
    void stopSpeaking() override;

private:
    Transcript& transcript_;
};

// A sound player that records each sound by name before passing it on.
class TranscriptSoundPlayer : public SoundPlayer {
public:
    TranscriptSoundPlayer(SoundPlayer& inner, Transcript& transcript)
        : inner_(inner), transcript_(transcript) {}
    void play(const std::string& name, const std::vector<uint8_t>& wave) override;
    void listen(std::function<void()> finished) override { inner_.listen(std::move(finished)); }

private:
    SoundPlayer& inner_;
    Transcript& transcript_;
};

}  // namespace yacht
