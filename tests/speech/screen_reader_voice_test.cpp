#include <gtest/gtest.h>

#include "speech/screen_reader_voice.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

using Clock = ScreenReaderVoice::Clock;
using std::chrono::milliseconds;

constexpr int kOrcaDefault = 175;  // words a minute at Orca's default rate

// A screen-reader voice on a hand-turned clock, which also makes the calls the voice sets on it;
// `told` counts the times the voice has told the game it is quiet.
struct Reader {
    FakeClock timer;
    std::vector<std::pair<long long, std::string>> handed;  // (ms since start, text)
    int told = 0;
    ScreenReaderVoice voice{[this](const std::string& t) { handed.emplace_back(ms(), t); }, kOrcaDefault,
                            [this] { return Clock::time_point{} + timer.now; }, &timer};
    Reader() { voice.listen([this] { ++told; }); }

    long long ms() const { return timer.now / milliseconds(1); }
    // Turns the clock until the voice tells it has said everything, without asking it.
    void untilTold()
    {
        const int before = told;
        for (int i = 0; i < 6000 && told == before; ++i) timer.advance(milliseconds(10));
    }
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

    // The first text is heard after the screen reader has named the window that just opened.
    const auto first = ScreenReaderVoice::estimate("3 players", kOrcaDefault) +
                       ScreenReaderVoice::estimate("Yacht.", kOrcaDefault) - milliseconds(150);
    r.timer.advance(first - milliseconds(1));
    EXPECT_EQ(r.voice.runningState(), RunState::Speaking);
    EXPECT_EQ(r.handed.size(), 1u);
    r.timer.advance(milliseconds(1));
    EXPECT_EQ(r.voice.runningState(), RunState::Speaking);  // the second text is now handed over
    ASSERT_EQ(r.handed.size(), 2u);
    EXPECT_EQ(r.handed[1], std::make_pair(r.ms(), std::string("Press the space bar")));
    r.timer.advance(ScreenReaderVoice::estimate("Press the space bar", kOrcaDefault));
    EXPECT_EQ(r.voice.runningState(), RunState::Done);
}

TEST(TheScreenReaderVoice, TellsOnItsTimerOnceWhatWaitedIsSaidAndCtrlEndsItAll)
{
    Reader r;
    r.voice.speak("round 1 first roll", SpeakMode::Async);
    r.voice.speak(" 3 5 6 1 2", SpeakMode::Sync);
    EXPECT_EQ(r.handed.size(), 1u);
    r.untilTold();
    ASSERT_EQ(r.handed.size(), 2u);
    EXPECT_GE(r.handed[1].first, ScreenReaderVoice::estimate("round 1 first roll", kOrcaDefault).count());
    // Words to be waited for are given a little longer than their estimate.
    EXPECT_GT(r.ms() - r.handed[1].first, ScreenReaderVoice::estimate(" 3 5 6 1 2", kOrcaDefault).count());
    EXPECT_EQ(r.voice.runningState(), RunState::Done);

    r.voice.speak("a long help page", SpeakMode::Async);
    r.voice.speak("and more", SpeakMode::Async);
    r.voice.stopSpeaking();
    EXPECT_EQ(r.voice.runningState(), RunState::Done);
    r.timer.advance(milliseconds(60000));
    r.voice.runningState();
    EXPECT_EQ(r.handed.back().second, "a long help page");  // what waited was dropped
}

// The player's keys: any key ends the wait for the text being said, so the key's answer is handed
// over at once, however long the text before it; an answer handed over stays handed.
TEST(TheScreenReaderVoice, AKeyEndsTheWaitAndItsAnswerIsHandedAtOnce)
{
    Reader r;
    r.voice.speak("Yacht is played with five dice.\nIn your turn you may throw.\nThe end.", SpeakMode::Async);
    ASSERT_EQ(r.handed.size(), 1u);
    r.timer.advance(milliseconds(500));
    r.voice.keyTaken();  // F4 half a second into the help page
    r.voice.speak("Your total score is 0", SpeakMode::Async);
    ASSERT_EQ(r.handed.size(), 2u);
    EXPECT_EQ(r.handed[1], std::make_pair(500LL, std::string("Your total score is 0")));

    r.timer.advance(milliseconds(300));
    r.voice.keyTaken();  // Down, then at once Enter on a taken category, which says nothing
    r.voice.speak("Ones is already taken", SpeakMode::Async);
    r.timer.advance(milliseconds(200));
    r.voice.keyTaken();
    EXPECT_EQ(r.handed.back().second, "Ones is already taken");
    EXPECT_EQ(r.voice.runningState(), RunState::Done);

    // Words waited for (the goodbye, the dice after their sound) are waited for no longer than
    // the key: the voice tells at once that it is quiet.
    r.voice.speak("round 2 first roll", SpeakMode::Async);
    r.voice.speak(" 6 6 6 6 6", SpeakMode::Sync);
    r.timer.advance(milliseconds(100));
    const int told = r.told;
    r.voice.keyTaken();
    EXPECT_EQ(r.told, told + 1);
    EXPECT_EQ(r.handed.back().second, "round 2 first roll");  // the key dropped the dice
    EXPECT_EQ(r.voice.runningState(), RunState::Done);
    EXPECT_EQ(r.timer.waiting(), 0u);
}

TEST(TheScreenReaderVoice, SaysLongTextsALineOrASentenceAtATimeWithoutLineBreaks)
{
    const std::string page =
        "Introduction and scoring.\r\n\r\nYacht is played with five dice and a score sheet of 13 "
        "categories. A game lasts 13 rounds, and in every round each player takes one turn. In your "
        "turn you may throw the dice up to three times.\r\n\r\nPress F1 for more.\r\n";
    const std::vector<std::string> expected = {
        "Introduction and scoring.",
        "Yacht is played with five dice and a score sheet of 13 categories.",
        "A game lasts 13 rounds, and in every round each player takes one turn.",
        "In your turn you may throw the dice up to three times.",
        "Press F1 for more."};
    EXPECT_EQ(ScreenReaderVoice::pieces(page), expected);
    const std::string question = "Do you really want to start a new game? Press the enter key to "
                                 "confirm or the escape key to cancel";
    EXPECT_EQ(ScreenReaderVoice::pieces(question), std::vector<std::string>{question});

    // A die not yet thrown is named, since the screen reader says nothing for "?" alone; a
    // question's own mark stays.
    EXPECT_EQ(ScreenReaderVoice::pieces(" ? ? 4 ? ?"),
              std::vector<std::string>{"question mark question mark 4 question mark question mark"});
    EXPECT_EQ(ScreenReaderVoice::pieces("Start new game?"), std::vector<std::string>{"Start new game?"});

    Reader r;
    r.voice.speak(page, SpeakMode::Async);
    r.untilTold();
    ASSERT_EQ(r.handed.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(r.handed[i].second, expected[i]);
}

TEST(TheScreenReaderVoice, EstimatesFromWordsAndDigitsAtTheScreenReadersRate)
{
    struct Case {
        int orcaRate;
        int wordsPerMinute;
    };
    for (const Case c : {Case{50, 175}, Case{0, 82}, Case{100, 449}, Case{75, 315}, Case{-5, 82}})
        EXPECT_EQ(ScreenReaderVoice::wordsPerMinute(c.orcaRate), c.wordsPerMinute) << c.orcaRate;

    // Five dice are five words (each a tenth longer than the rate says), however few characters;
    // 254 is read as three words or more.
    EXPECT_EQ(ScreenReaderVoice::estimate(" 3 5 6 1 2", 170), milliseconds(150 + 5 * 66000 / 170));
    EXPECT_GT(ScreenReaderVoice::estimate("254", 170), ScreenReaderVoice::estimate("ones", 170) * 2 -
                                                           milliseconds(150));
    // Faster is shorter; slower than 120 words a minute counts as 120.
    EXPECT_LT(ScreenReaderVoice::estimate("Press the space bar", 300),
              ScreenReaderVoice::estimate("Press the space bar", 170));
    EXPECT_EQ(ScreenReaderVoice::estimate("Press the space bar", 80),
              ScreenReaderVoice::estimate("Press the space bar", 120));
}

}  // namespace
}  // namespace yacht::test
