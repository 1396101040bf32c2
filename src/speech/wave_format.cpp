#include "speech/wave_format.h"

#include <cstring>

namespace yacht {
namespace {

uint32_t le32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t le16(const uint8_t* p)
{
    return uint16_t(p[0] | p[1] << 8);
}

constexpr uint16_t kPcm = 1;
constexpr uint16_t kFloat = 3;
constexpr uint16_t kExtensible = 0xFFFE;

}  // namespace

int WaveFormat::bytesPerFrame() const
{
    const int bytes = sample == Sample::UInt8 ? 1 : sample == Sample::Int16 ? 2 : 4;
    return bytes * channels;
}

double WaveFormat::seconds() const
{
    const double perSecond = double(bytesPerFrame()) * sampleRate;
    return perSecond > 0 ? double(dataSize) / perSecond : 0.0;
}

std::optional<WaveFormat> parseWave(const std::vector<uint8_t>& image)
{
    const std::size_t size = image.size();
    const uint8_t* p = image.data();
    if (size < 12 || std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0)
        return std::nullopt;

    WaveFormat f;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= size) {
        const uint8_t* chunk = p + at;
        const std::size_t length = le32(chunk + 4);
        const std::size_t body = at + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (length < 16 || body + 16 > size) return std::nullopt;
            uint16_t tag = le16(p + body);
            f.channels = le16(p + body + 2);
            f.sampleRate = static_cast<int>(le32(p + body + 4));
            const int bits = le16(p + body + 14);
            // The extensible header names the true encoding in its sub-format.
            if (tag == kExtensible && length >= 40 && body + 26 <= size) tag = le16(p + body + 24);
            if (tag == kPcm && bits == 8)
                f.sample = WaveFormat::Sample::UInt8;
            else if (tag == kPcm && bits == 16)
                f.sample = WaveFormat::Sample::Int16;
            else if (tag == kPcm && bits == 32)
                f.sample = WaveFormat::Sample::Int32;
            else if (tag == kFloat && bits == 32)
                f.sample = WaveFormat::Sample::Float;
            else
                return std::nullopt;
            if (f.channels < 1 || f.channels > 8 || f.sampleRate < 1000 || f.sampleRate > 384000)
                return std::nullopt;
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) return std::nullopt;
            f.dataOffset = body;
            const std::size_t available = size - body;
            const std::size_t bytes = length < available ? length : available;
            f.dataSize = bytes - bytes % static_cast<std::size_t>(f.bytesPerFrame());
            if (f.dataSize == 0) return std::nullopt;
            return f;
        }
        // Chunks are padded to an even length.
        const std::size_t next = body + length + (length & 1);
        if (next <= at) return std::nullopt;
        at = next;
    }
    return std::nullopt;
}

}  // namespace yacht
