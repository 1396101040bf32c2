#include <gtest/gtest.h>

#include "speech/screen_reader_voice.h"

namespace yacht::test {
namespace {

using Clock = ScreenReaderVoice::Clock;
using std::chrono::milliseconds;

// A screen-reader voice on a hand-turned clock; a synchronous wait turns the clock until done.
struct Reader {
    Clock::time_point now{};
    std::vector<std::pair<long long, std::string>> handed;  // (ms since start, text)
    ScreenReaderVoice voice{
        [this](const std::string& t) { handed.emplace_back(ms(), t); },
        [this](const std::function<bool()>& done) {
            while (!done()) now += milliseconds(10);
        },
        [this] { return now; }};

    long long ms() const { return (now - Clock::time_point{}) / milliseconds(1); }
};

TEST(TheScreenReaderVoice, HandsOverOneTextAtATimePacedByItsLength)
{
    Reader r;
    r.voice.speak("3 players", SpeakMode::Async);
    r.voice.speak("  ", SpeakMode::Async);  // nothing to say
    r.voice.speak("Press the space bar", SpeakMode::Async);
    ASSERT_EQ(r.handed.size(), 1u);
    EXPECT_EQ(r.handed[0].second, "3 players");
    EXPECT_EQ(r.voice.runningState(), RunState::Speaking);

    const auto first = ScreenReaderVoice::estimate("3 players");
    EXPECT_EQ(first, milliseconds(250 + 55 * 9));
    r.now += first - milliseconds(1);
    EXPECT_EQ(r.voice.runningState(), RunState::Speaking);
    EXPECT_EQ(r.handed.size(), 1u);
    r.now += milliseconds(1);
    EXPECT_EQ(r.voice.runningState(), RunState::Speaking);  // the second text is now handed over
    ASSERT_EQ(r.handed.size(), 2u);
    EXPECT_EQ(r.handed[1], std::make_pair(r.ms(), std::string("Press the space bar")));
    r.now += ScreenReaderVoice::estimate("Press the space bar");
    EXPECT_EQ(r.voice.runningState(), RunState::Done);
}

TEST(TheScreenReaderVoice, SpeaksSynchronouslyAfterWhatIsWaitingAndCtrlEndsItAll)
{
    Reader r;
    r.voice.speak("round 1 first roll", SpeakMode::Async);
    r.voice.speak(" 3 5 6 1 2", SpeakMode::Sync);
    ASSERT_EQ(r.handed.size(), 2u);
    EXPECT_GE(r.handed[1].first, ScreenReaderVoice::estimate("round 1 first roll").count());
    EXPECT_EQ(r.voice.runningState(), RunState::Done);

    r.voice.speak("a long help page", SpeakMode::Async);
    r.voice.speak("and more", SpeakMode::Async);
    r.voice.stopSpeaking();
    EXPECT_EQ(r.voice.runningState(), RunState::Done);
    r.now += milliseconds(60000);
    r.voice.runningState();
    EXPECT_EQ(r.handed.back().second, "a long help page");  // what waited was dropped
}

}  // namespace
}  // namespace yacht::test
