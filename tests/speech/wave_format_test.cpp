#include <gtest/gtest.h>

#include "speech/wave_format.h"

namespace yacht::test {
namespace {

void put32(std::vector<uint8_t>& v, uint32_t x)
{
    for (int i = 0; i < 4; ++i) v.push_back(uint8_t(x >> (8 * i)));
}

void put16(std::vector<uint8_t>& v, uint16_t x)
{
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}

void tag(std::vector<uint8_t>& v, const char* four)
{
    for (int i = 0; i < 4; ++i) v.push_back(uint8_t(four[i]));
}

// A wave image with the given encoding, an optional odd-sized chunk before the samples, and
// `declared` bytes of samples announced of which `present` are there.
std::vector<uint8_t> image(uint16_t encoding, uint16_t channels, uint16_t bits, uint32_t declared,
                           uint32_t present, bool oddChunk = false)
{
    std::vector<uint8_t> v;
    tag(v, "RIFF");
    put32(v, 0);
    tag(v, "WAVE");
    tag(v, "fmt ");
    put32(v, 16);
    put16(v, encoding);
    put16(v, channels);
    put32(v, 44100);
    put32(v, 44100u * channels * bits / 8);
    put16(v, uint16_t(channels * bits / 8));
    put16(v, bits);
    if (oddChunk) {
        tag(v, "LIST");
        put32(v, 3);
        v.insert(v.end(), {'a', 'b', 'c', 0});  // padded to an even length
    }
    tag(v, "data");
    put32(v, declared);
    v.resize(v.size() + present, 0);
    return v;
}

}  // namespace

TEST(ParseWave, MonoSixteenBitImageGivesItsLayoutAndLength)
{
    const auto f = parseWave(image(1, 1, 16, 88200, 88200));
    ASSERT_TRUE(f);
    EXPECT_EQ(f->sample, WaveFormat::Sample::Int16);
    EXPECT_EQ(f->channels, 1);
    EXPECT_EQ(f->sampleRate, 44100);
    EXPECT_EQ(f->dataOffset, 44u);
    EXPECT_EQ(f->dataSize, 88200u);
    EXPECT_DOUBLE_EQ(f->seconds(), 1.0);
}

TEST(ParseWave, ChunksBeforeTheSamplesAreSkippedWithTheirPadding)
{
    const auto f = parseWave(image(1, 2, 16, 400, 400, true));
    ASSERT_TRUE(f);
    EXPECT_EQ(f->dataOffset, 44u + 12u);
    EXPECT_EQ(f->dataSize, 400u);
}

TEST(ParseWave, TruncatedSamplesAreCutToTheWholeFramesPresent)
{
    const auto f = parseWave(image(1, 2, 16, 1000, 103));
    ASSERT_TRUE(f);
    EXPECT_EQ(f->dataSize, 100u);
}

TEST(ParseWave, ImagesNoPlayerCanUseAreRefused)
{
    EXPECT_FALSE(parseWave({}));
    EXPECT_FALSE(parseWave(std::vector<uint8_t>(100, 0)));
    EXPECT_FALSE(parseWave(image(2, 1, 4, 100, 100))) << "compressed encoding";
    EXPECT_FALSE(parseWave(image(1, 1, 12, 100, 100))) << "odd sample size";
    EXPECT_FALSE(parseWave(image(1, 1, 16, 100, 0))) << "no samples";
    EXPECT_FALSE(parseWave(image(1, 0, 16, 100, 100))) << "no channels";
    auto cut = image(1, 1, 16, 100, 100);
    cut.resize(30);
    EXPECT_FALSE(parseWave(cut)) << "header cut short";
}

TEST(ParseWave, FloatAndEightBitImagesAreRead)
{
    EXPECT_EQ(parseWave(image(3, 1, 32, 8, 8))->sample, WaveFormat::Sample::Float);
    EXPECT_EQ(parseWave(image(1, 1, 8, 8, 8))->sample, WaveFormat::Sample::UInt8);
}

}  // namespace yacht::test
