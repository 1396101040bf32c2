// The speech pump hands at most one queued item per tick to the voice, and only when the voice
// has finished the previous one.

#include <gtest/gtest.h>

#include "engine/speech_output.h"
#include "narration/sequencer.h"
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
    f.y.toBeHeard = queued(c.queue);
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
        f.sequencer.handNext();
        EXPECT_EQ(f.y.toBeHeard, queued(c.steps[i].saybufAfter)) << c.name << " step " << i;
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
    f.y.toBeHeard = queued("\trolldice\tX\tY");

    f.sequencer.handNext();
    EXPECT_TRUE(f.y.toBeHeard.syncAfterSound);
    EXPECT_TRUE(f.voice.spoken.empty());
    EXPECT_EQ(f.y.toBeHeard, queued("X\tY"));

    f.sequencer.handNext();
    ASSERT_EQ(f.voice.spoken.size(), 1u);
    EXPECT_EQ(f.voice.spoken[0].text, "X");
    EXPECT_EQ(f.voice.spoken[0].mode, SpeakMode::Sync);
    EXPECT_FALSE(f.y.toBeHeard.syncAfterSound);

    f.sequencer.handNext();
    ASSERT_EQ(f.voice.spoken.size(), 2u);
    EXPECT_EQ(f.voice.spoken[1].text, "Y");
    EXPECT_EQ(f.voice.spoken[1].mode, SpeakMode::Async);
}

TEST(SpeakingAtOnce, SayitEndsTheWaitAfterASoundAndSayit2LeavesIt)
{
    struct Case {
        bool before;
        bool sync;
        bool after;
        SpeakMode mode;
    };
    for (const Case& c : {Case{true, false, false, SpeakMode::Async},
                          Case{false, false, false, SpeakMode::Async},
                          Case{true, true, true, SpeakMode::Sync}}) {
        FakeGame f;
        f.y.toBeHeard.syncAfterSound = c.before;
        if (c.sync)
            speakAndWait(f.y.ports.voice, "hello");
        else
            speakNow(f.y.ports.voice, f.y.toBeHeard, "hello");
        EXPECT_EQ(f.y.toBeHeard.syncAfterSound, c.after);
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
    f.y.toBeHeard = queued("\tA\tB\tC");
    for (const char* left : {"B\tC", "C", ""}) {
        f.sequencer.handNext();
        EXPECT_EQ(f.y.toBeHeard, queued(left));
    }
}

TEST(TheVoice, IsHandedTheWordsExactlyWithNothingAround)
{
    FakeGame f;
    f.y.toBeHeard = queued("\thold the first dice \t<b>");
    f.sequencer.handNext();
    f.sequencer.handNext();
    EXPECT_EQ(f.voice.texts(), (std::vector<std::string>{"hold the first dice ", "<b>"}));
}

}  // namespace
}  // namespace yacht::test
