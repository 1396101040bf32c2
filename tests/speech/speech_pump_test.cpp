// The speech pump hands at most one queued item per tick to the voice, and only when the voice
// has finished the previous one.

#include <gtest/gtest.h>

#include "speech/speech_output.h"
#include "speech/speech_pump.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

// What one tick of the pump did: the queue left behind and what the voice was handed.
struct PumpStep {
    std::string saybufAfter;
    std::vector<std::string> spokenSoFar;
};

struct PumpCase {
    const char* name;
    std::string queue;
    int speakingReads;  // reads reporting Speaking after each asynchronous item
    std::vector<PumpStep> steps;
};

class SpeechPump : public ::testing::TestWithParam<PumpCase> {};

TEST_P(SpeechPump, HandsOverOneItemPerTickWhenTheVoiceIsDone)
{
    const PumpCase& c = GetParam();
    FakeGame f;
    f.voice.speakingReads = c.speakingReads;
    f.y.game.saybuf = c.queue;
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
        pumpspeech(f.y);
        EXPECT_EQ(f.y.game.saybuf, c.steps[i].saybufAfter) << c.name << " step " << i;
        EXPECT_EQ(f.voice.texts(), c.steps[i].spokenSoFar) << c.name << " step " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Queues, SpeechPump,
    ::testing::Values(
        PumpCase{"TwoItemsIdleVoice", "\tA\tB", 0, {{"B", {"A"}}, {"", {"A", "B"}}}},
        PumpCase{"NoLeadingTab", "A\tB", 0, {{"B", {"A"}}, {"", {"A", "B"}}}},
        PumpCase{"EmptyItemSkippedForOneTick", "\t\tA", 0, {{"A", {}}, {"", {"A"}}}},
        PumpCase{"WaitsWhileSpeaking",
                 "\tA\tB",
                 2,
                 {{"B", {"A"}}, {"B", {"A"}}, {"B", {"A"}}, {"", {"A", "B"}}}},
        PumpCase{"OtherCapitalsAreWords", "\tRolldice\tROLLDICE", 0,
                 {{"ROLLDICE", {"Rolldice"}}, {"", {"Rolldice", "ROLLDICE"}}}},
        PumpCase{"NothingQueuedSaysNothing", "", 0, {{"", {}}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AfterASound, TheNextItemIsSaidSynchronouslyAndTheOneAfterInTheBackground)
{
    FakeGame f;
    f.y.game.saybuf = "\trolldice\tX\tY";

    pumpspeech(f.y);
    EXPECT_EQ(f.y.game.soundflag, 1);
    EXPECT_TRUE(f.voice.spoken.empty());
    EXPECT_EQ(f.y.game.saybuf, "X\tY");

    pumpspeech(f.y);
    ASSERT_EQ(f.voice.spoken.size(), 1u);
    EXPECT_EQ(f.voice.spoken[0].text, "X");
    EXPECT_EQ(f.voice.spoken[0].mode, SpeakMode::Sync);
    EXPECT_EQ(f.y.game.soundflag, 0);

    pumpspeech(f.y);
    ASSERT_EQ(f.voice.spoken.size(), 2u);
    EXPECT_EQ(f.voice.spoken[1].text, "Y");
    EXPECT_EQ(f.voice.spoken[1].mode, SpeakMode::Async);
}

TEST(SpeakingAtOnce, SayitLowersTheSoundFlagAndSayit2LeavesIt)
{
    struct Case {
        int16_t before;
        bool sync;
        int16_t after;
        SpeakMode mode;
    };
    for (const Case& c : {Case{2, false, 1, SpeakMode::Async}, Case{0, false, 0, SpeakMode::Async},
                          Case{2, true, 2, SpeakMode::Sync}}) {
        FakeGame f;
        f.y.game.soundflag = c.before;
        if (c.sync)
            sayit2(f.y, "hello");
        else
            sayit(f.y, "hello");
        EXPECT_EQ(f.y.game.soundflag, c.after);
        ASSERT_EQ(f.voice.spoken.size(), 1u);
        EXPECT_EQ(f.voice.spoken[0].text, "hello");
        EXPECT_EQ(f.voice.spoken[0].mode, c.mode);
        EXPECT_GE(f.voice.priorityOverCalls, 1);
    }
}

TEST(ABrokenVoice, StillTakesOneItemPerTickSoTheGamePlaysOnSilently)
{
    FakeGame f;
    f.voice.broken = true;
    f.y.game.saybuf = "\tA\tB\tC";
    for (const char* left : {"B\tC", "C", ""}) {
        pumpspeech(f.y);
        EXPECT_EQ(f.y.game.saybuf, left);
        EXPECT_EQ(f.y.game.runstate, 1);
    }
}

TEST(TheMarkupWrapper, IsRemovedBeforeSpeaking)
{
    EXPECT_EQ(unwrapMarkup("<XML>hold the first dice </XML>"), "hold the first dice ");
    EXPECT_EQ(unwrapMarkup("plain"), "plain");
    EXPECT_EQ(unwrapMarkup("<XML></XML>"), "");
}

}  // namespace
}  // namespace yacht::test
