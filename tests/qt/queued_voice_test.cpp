#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include "speech/qt_flite_voice.h"
#include "speech/qt_queued_voice.h"

namespace yacht {
namespace {

using namespace std::chrono_literals;

// An engine the test drives: it records what it is given and changes state when told to.
class ScriptedEngine : public TextEngine {
public:
    QStringList said;
    State current = State::Ready;
    bool finishesByItself = false;  // begins and ends every text from the event loop
    QList<EngineVoice> list;
    int chosen = -1;
    double rate = 0;

    void say(const QString& text) override
    {
        said << text;
        if (finishesByItself)
            QTimer::singleShot(0, [this] {
                begin();
                end();
            });
    }
    State state() const override { return current; }
    void setRate(double r) override { rate = r; }
    void setVolume(double) override {}
    QList<EngineVoice> voices() const override { return list; }
    void setVoice(int index) override { chosen = index; }
    std::string name() const override { return "scripted"; }

    void begin() { to(State::Speaking); }
    void end() { to(State::Ready); }
    void fail() { to(State::Error); }

private:
    void to(State s)
    {
        current = s;
        if (stateChanged) stateChanged(s);
    }
};

struct Rig {
    ScriptedEngine* engine = new ScriptedEngine;
    std::chrono::steady_clock::time_point now{};
    QueuedVoice voice{std::unique_ptr<TextEngine>(engine), [this] { return now; }};

    // Ends the text being said and lets the voice hand over the next one.
    void finishOne()
    {
        engine->begin();
        engine->end();
        QCoreApplication::processEvents();
    }
};

}  // namespace

TEST(QueuedVoice, EachTextIsGivenToTheEngineOnlyOnceTheOneBeforeHasEnded)
{
    Rig r;
    r.voice.speak("first", SpeakMode::Async);
    r.voice.speak("second", SpeakMode::Async);
    r.voice.speak("third", SpeakMode::Async);
    EXPECT_EQ(r.engine->said, QStringList{"first"}) << "the engine would cut the first off";
    EXPECT_EQ(r.voice.runningState(), RunState::Speaking);

    r.finishOne();
    EXPECT_EQ(r.engine->said, (QStringList{"first", "second"}));
    EXPECT_EQ(r.voice.runningState(), RunState::Speaking);
    r.finishOne();
    r.finishOne();
    EXPECT_EQ(r.engine->said, (QStringList{"first", "second", "third"}));
    EXPECT_EQ(r.voice.runningState(), RunState::Done);
}

TEST(QueuedVoice, IsSpeakingFromTheHandOverEvenBeforeTheEngineBegins)
{
    Rig r;
    r.voice.speak("hello", SpeakMode::Async);
    EXPECT_EQ(r.voice.runningState(), RunState::Speaking);
    r.engine->end();  // a stray Ready before this text began is not its end
    EXPECT_EQ(r.voice.runningState(), RunState::Speaking);
    r.finishOne();
    EXPECT_EQ(r.voice.runningState(), RunState::Done);
}

TEST(QueuedVoice, EngineInErrorCountsAsDoneAndSaysNothingMore)
{
    Rig r;
    r.voice.speak("first", SpeakMode::Async);
    r.voice.speak("second", SpeakMode::Async);
    r.engine->begin();
    r.engine->fail();
    QCoreApplication::processEvents();
    EXPECT_EQ(r.voice.runningState(), RunState::Done);
    r.voice.speak("third", SpeakMode::Sync);  // returns at once
    EXPECT_EQ(r.engine->said, QStringList{"first"});
    EXPECT_EQ(r.voice.runningState(), RunState::Done);
}

TEST(QueuedVoice, TextTheEngineNeverEndsIsGivenUpAfterItsBound)
{
    Rig r;
    r.voice.speak("0123456789", SpeakMode::Async);  // bound 2.5 s
    r.voice.speak("next", SpeakMode::Async);
    r.now += 2499ms;
    EXPECT_EQ(r.voice.runningState(), RunState::Speaking);
    r.now += 1ms;
    r.voice.runningState();
    EXPECT_EQ(r.engine->said, (QStringList{"0123456789", "next"}));
}

TEST(QueuedVoice, EngineStuckSpeakingIsNotWaitedForBeyondTheBound)
{
    Rig r;
    r.voice.speak("0123456789", SpeakMode::Async);  // bound 2.5 s
    r.engine->begin();                              // and it never ends
    r.voice.speak("next", SpeakMode::Async);
    r.now += 2500ms;
    EXPECT_EQ(r.voice.runningState(), RunState::Speaking);
    EXPECT_EQ(r.engine->said, (QStringList{"0123456789", "next"}));
    r.now += 2500ms;
    EXPECT_EQ(r.voice.runningState(), RunState::Done);
}

TEST(QueuedVoice, TellsTheGameOnceEverythingHandedOverHasBeenSaid)
{
    Rig r;
    int told = 0;
    r.voice.listen([&told] { ++told; });
    r.engine->finishesByItself = true;
    r.voice.speak("dice first", SpeakMode::Async);
    r.voice.speak("five sixes", SpeakMode::Sync);  // returns at once
    for (int i = 0; i < 10 && told == 0; ++i) QCoreApplication::processEvents();
    EXPECT_EQ(told, 1);
    EXPECT_EQ(r.engine->said, (QStringList{"dice first", "five sixes"}));
    EXPECT_EQ(r.voice.runningState(), RunState::Done);
}

TEST(QueuedVoice, BlankTextIsNotGivenToTheEngine)
{
    Rig r;
    r.voice.speak("  ", SpeakMode::Sync);
    EXPECT_TRUE(r.engine->said.isEmpty());
    EXPECT_EQ(r.voice.runningState(), RunState::Done);
}

TEST(QueuedVoice, ListsTheEnglishVoicesWithTheOneInUseFirst)
{
    Rig r;
    r.engine->list = {{"awb", QLocale(QLocale::English, QLocale::UnitedKingdom)},
                      {"hans", QLocale(QLocale::German, QLocale::Germany)},
                      {"slt", QLocale(QLocale::English, QLocale::UnitedStates)},
                      {"rms", QLocale(QLocale::English, QLocale::UnitedStates)}};
    EXPECT_EQ(r.voice.voiceList(), VoiceList::Pending);
    r.voice.startListingVoices();
    ASSERT_EQ(r.voice.voiceList(), VoiceList::Ready);
    ASSERT_EQ(r.voice.voiceCount(), 3);
    EXPECT_EQ(r.voice.voiceDescription(0), "English, United Kingdom");
    EXPECT_EQ(r.voice.voiceDescription(1), "English, United States, slt");
    EXPECT_EQ(r.voice.voiceDescription(2), "English, United States, rms");
    r.voice.selectVoice(2);
    EXPECT_EQ(r.engine->chosen, 3);
    r.voice.setRate(-4);
    EXPECT_DOUBLE_EQ(r.engine->rate, -0.4);
}

// The real flite engine, where it can be loaded: two texts one after the other end in Done,
// whether the machine has an audio device (they are spoken) or not (the engine errs).
TEST(FliteVoice, SpeaksQueuedTextsToTheEndOrErrsQuietly)
{
    auto voice = openFliteVoice();
    if (!voice) GTEST_SKIP() << "Qt's flite engine cannot be loaded here";
    voice->speak("One.", SpeakMode::Async);
    voice->speak("Two.", SpeakMode::Sync);
    const auto until = std::chrono::steady_clock::now() + 30s;
    while (voice->runningState() != RunState::Done && std::chrono::steady_clock::now() < until)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(voice->runningState(), RunState::Done);
}

}  // namespace yacht
