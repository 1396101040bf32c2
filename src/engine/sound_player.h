#pragma once
// The sound player port: plays a wave image held in memory.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace yacht {

// Plays RIFF WAVE images. No audio server or device means silence, never a hang.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the sound and returns at once; a new sound stops one still playing. The name is the
    // resource the wave came from ("rolldice"), for the transcript.
    virtual void play(const std::string& name, const std::vector<uint8_t>& wave) = 0;

    // Tells the game, on the user-interface thread, that the sound last played has been heard to
    // its end, or could not be played (then at once, even from within play). A player that wraps
    // another passes it on.
    virtual void listen(std::function<void()> finished) { finished_ = std::move(finished); }

protected:
    void tellFinished() const
    {
        if (finished_) finished_();
    }

private:
    std::function<void()> finished_;
};

}  // namespace yacht
