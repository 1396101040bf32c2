#pragma once
// Reading the header of a RIFF WAVE image, so a player can hand its samples to the sound device.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace yacht {

// How the samples of a wave image are laid out, and where they are.
struct WaveFormat {
    enum class Sample { UInt8, Int16, Int32, Float };
    Sample sample = Sample::Int16;
    int channels = 1;
    int sampleRate = 44100;
    std::size_t dataOffset = 0;  // first byte of the samples in the image
    std::size_t dataSize = 0;    // bytes of whole frames, cut to what the image holds

    int bytesPerFrame() const;
    double seconds() const;
};

// The layout of a PCM or floating-point wave image; nothing for anything else (a truncated
// header, an unknown encoding, no samples).
std::optional<WaveFormat> parseWave(const std::vector<uint8_t>& image);

}  // namespace yacht
