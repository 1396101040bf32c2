#include <gtest/gtest.h>

#include "engine/key_codes.h"
#include "engine/startup.h"
#include "engine/tick.h"
#include "engine/voice_speed.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

using keys::Alt;
using keys::Ctrl;
using keys::F1;
using keys::Shift;

struct VoiceGame : FakeGame {
    explicit VoiceGame(std::vector<std::string> names)
    {
        voice.descriptions = std::move(names);
        y.voiceChoice.voiceApplied = true;
    }
};

}  // namespace

TEST(ChangeVoice, StepsAndWrapsThroughTheInstalledVoices)
{
    struct Case {
        int voices;
        int16_t from;
        int modifier;
        int16_t to;
    };
    const Case cases[] = {
        {3, 2, Shift, 0},  // past the last voice to the first
        {3, 0, Ctrl, 2},   // before the first voice to the last
        {3, 0, Shift, 1},
        {3, 2, Ctrl, 1},
        {1, 0, Shift, 0},  // one voice: it stays and announces itself again
        {1, 0, Ctrl, 0},
        {3, -1, Shift, 0},  // a stored -1 left the first voice in use
    };
    const std::vector<std::string> names{"Alpha", "Bravo", "Charlie"};
    for (const Case& c : cases) {
        VoiceGame f({names.begin(), names.begin() + c.voices});
        f.y.voiceChoice.voiceIndex = c.from;
        f.press(F1, c.modifier);
        SCOPED_TRACE(testing::Message() << c.voices << " voices from " << c.from);
        EXPECT_EQ(f.y.voiceChoice.voiceIndex, c.to);
        EXPECT_EQ(f.voice.selected, c.to);
        EXPECT_EQ(f.voice.last(), "Voice changed to " + names[c.to]);
        EXPECT_EQ(f.voice.spoken.back().mode, SpeakMode::Async);
    }
}

TEST(ChangeVoice, DropsWhatWasQueuedAndSpeaksInTheNewVoice)
{
    VoiceGame f({"Alpha", "Bravo"});
    f.y.toBeHeard = queued("\tround 3 first roll\trolldice");
    changeVoice(f.y.voiceChoice, f.y.ports.voice, f.y.tell, 0);
    EXPECT_TRUE(f.y.toBeHeard.empty());
    EXPECT_EQ(f.voice.selected, 1);
    EXPECT_EQ(f.voice.texts(), std::vector<std::string>{"Voice changed to Bravo"});
    EXPECT_GE(f.voice.priorityOverCalls, 1);
}

TEST(ChangeSpeed, StepsUpwardsAndWrapsFromVeryFastToVerySlow)
{
    struct Case {
        int16_t from;
        int16_t to;
        int rate;
        const char* name;
    };
    const Case cases[] = {
        // Three tenths of the engine's scale per step, from the player's own rate.
        {4, 0, -6, "very slow"}, {0, 1, -3, "slow"}, {1, 2, 0, "normal"},
        {2, 3, 3, "fast"},       {3, 4, 6, "very fast"},
        {7, 0, -6, "very slow"},  // a stored speed beyond the scale
        {-3, 0, -6, "very slow"}, // and one below it
    };
    for (const Case& c : cases) {
        FakeGame f;
        f.y.voiceChoice.speedIndex = c.from;
        f.press(F1, Alt);
        SCOPED_TRACE(testing::Message() << "from " << c.from);
        EXPECT_EQ(f.y.voiceChoice.speedIndex, c.to);
        EXPECT_EQ(f.voice.rate, c.rate);
        EXPECT_EQ(f.voice.last(), std::string("Speed changed to ") + c.name);
    }
}

TEST(ChangeSpeed, AnyLargerModifierSetStepsTheSpeedNotTheVoice)
{
    for (int modifier : {Shift + Ctrl, Alt, Shift + Alt, Ctrl + Alt, Shift + Ctrl + Alt}) {
        VoiceGame f({"Alpha", "Bravo"});
        f.press(F1, modifier);
        EXPECT_EQ(f.y.voiceChoice.speedIndex, 3) << "modifier " << modifier;
        EXPECT_EQ(f.y.voiceChoice.voiceIndex, 0);
        EXPECT_EQ(f.voice.selected, -1);
    }
}

TEST(ChangeSpeed, WithTheScreenReaderSaysWhereTheSpeedIsSetAndStoresNothingNew)
{
    for (int modifier : {Alt, Shift + Ctrl}) {
        FakeGame f;
        f.voice.speeds = SpeedSetting::ScreenReader;
        f.store.values["Tevrin/Q73/Speed"] = "3";
        f.storage.setProgramFolder("/usr/bin");
        startup(f.y, StartupContext{});
        f.tick();
        const int rateCalls = f.voice.rateCalls;
        f.press(F1, modifier);
        SCOPED_TRACE(testing::Message() << "modifier " << modifier);
        EXPECT_EQ(f.voice.last(), "The speed is set in your screen reader");
        EXPECT_EQ(f.y.voiceChoice.speedIndex, 3);
        EXPECT_EQ(f.voice.rateCalls, rateCalls);
        f.press(keys::F12);
        EXPECT_EQ(f.store.values["Tevrin/Q73/Speed"], "3");
    }
}

TEST(VoiceList, IsAskedForOnlyOnceTheGreetingIsOnItsWay)
{
    FakeGame f;
    f.voice.list = VoiceList::Pending;
    f.y.game.state = EngineState::Startup;
    tick(f.y);  // greets
    EXPECT_EQ(f.voice.listingRequests, 0);
    tick(f.y);
    EXPECT_EQ(f.voice.listingRequests, 1);
}

TEST(VoiceList, StoredVoiceIsAppliedWhenTheListArrives)
{
    FakeGame f;
    f.voice.descriptions = {"Alpha", "Bravo", "Charlie"};
    f.voice.list = VoiceList::Pending;
    f.y.voiceChoice.voiceIndex = 2;
    applyVoicesOnceListed(f.y.voiceChoice, f.y.ports.voice, f.y.tell);
    EXPECT_EQ(f.voice.selected, -1);
    EXPECT_FALSE(f.y.voiceChoice.voiceApplied);

    f.voice.list = VoiceList::Ready;
    applyVoicesOnceListed(f.y.voiceChoice, f.y.ports.voice, f.y.tell);
    EXPECT_EQ(f.voice.selected, 2);
    EXPECT_TRUE(f.y.voiceChoice.voiceApplied);
    EXPECT_TRUE(f.voice.spoken.empty());  // applying the stored voice says nothing
}

TEST(VoiceList, StoredVoiceBeyondTheListBecomesTheFirst)
{
    for (int16_t stored : {3, 40}) {
        FakeGame f;
        f.voice.descriptions = {"Alpha", "Bravo"};
        f.voice.list = VoiceList::Pending;
        f.y.voiceChoice.voiceIndex = stored;
        f.voice.list = VoiceList::Ready;
        applyVoicesOnceListed(f.y.voiceChoice, f.y.ports.voice, f.y.tell);
        EXPECT_EQ(f.y.voiceChoice.voiceIndex, 0) << stored;
        EXPECT_EQ(f.voice.selected, 0) << stored;
    }
}

TEST(VoiceList, PressesBeforeTheListArrivesAreAnsweredWithTheirNetStep)
{
    FakeGame f;
    f.voice.descriptions = {"Alpha", "Bravo", "Charlie", "Delta"};
    f.voice.list = VoiceList::Pending;
    f.y.voiceChoice.voiceIndex = 1;  // stored
    f.press(F1, Shift);
    f.press(F1, Shift);
    f.press(F1, Ctrl);
    f.press(F1, Shift);
    EXPECT_TRUE(f.voice.spoken.empty()) << "nothing to say until the voices are known";
    EXPECT_EQ(f.y.voiceChoice.voiceIndex, 1);
    EXPECT_GE(f.voice.listingRequests, 1);

    f.voice.list = VoiceList::Ready;
    applyVoicesOnceListed(f.y.voiceChoice, f.y.ports.voice, f.y.tell);
    EXPECT_EQ(f.y.voiceChoice.voiceIndex, 3);  // stored 1, then two steps on net
    EXPECT_EQ(f.voice.selected, 3);
    EXPECT_EQ(f.voice.texts(), std::vector<std::string>{"Voice changed to Delta"});

    applyVoicesOnceListed(f.y.voiceChoice, f.y.ports.voice, f.y.tell);  // answered once only
    EXPECT_EQ(f.voice.spoken.size(), 1u);
}

TEST(VoiceList, NetStepsWrapAroundTheList)
{
    FakeGame f;
    f.voice.descriptions = {"Alpha", "Bravo", "Charlie"};
    f.voice.list = VoiceList::Pending;
    for (int i = 0; i < 2; ++i) changeVoice(f.y.voiceChoice, f.y.ports.voice, f.y.tell, 1);
    f.voice.list = VoiceList::Ready;
    applyVoicesOnceListed(f.y.voiceChoice, f.y.ports.voice, f.y.tell);
    EXPECT_EQ(f.y.voiceChoice.voiceIndex, 1);  // 0, back to 2, back to 1
    EXPECT_EQ(f.voice.last(), "Voice changed to Bravo");
}

TEST(VoiceList, StepsThatCancelOutStillAnnounceTheVoiceInUse)
{
    FakeGame f;
    f.voice.descriptions = {"Alpha", "Bravo"};
    f.voice.list = VoiceList::Pending;
    changeVoice(f.y.voiceChoice, f.y.ports.voice, f.y.tell, 0);
    changeVoice(f.y.voiceChoice, f.y.ports.voice, f.y.tell, 1);
    f.voice.list = VoiceList::Ready;
    applyVoicesOnceListed(f.y.voiceChoice, f.y.ports.voice, f.y.tell);
    EXPECT_EQ(f.y.voiceChoice.voiceIndex, 0);
    EXPECT_EQ(f.voice.last(), "Voice changed to Alpha");
}

TEST(VoiceList, AnswerArrivingLaterKeepsWhatTheGameQueuedMeanwhile)
{
    FakeGame f;
    f.voice.descriptions = {"Alpha", "Bravo"};
    f.voice.list = VoiceList::Pending;
    f.y.toBeHeard = queued("\tdropped by the key");
    changeVoice(f.y.voiceChoice, f.y.ports.voice, f.y.tell, 0);
    EXPECT_TRUE(f.y.toBeHeard.empty());
    f.y.toBeHeard = queued("\tround 1 first roll\trolldice");  // the space bar came next
    f.voice.list = VoiceList::Ready;
    applyVoicesOnceListed(f.y.voiceChoice, f.y.ports.voice, f.y.tell);
    EXPECT_EQ(f.y.toBeHeard, queued("\tround 1 first roll\trolldice"));
    EXPECT_EQ(f.voice.last(), "Voice changed to Bravo");
}

TEST(VoiceList, ListedLaterVoiceChangesAnswerAtOnce)
{
    FakeGame f;
    f.voice.descriptions = {"Alpha", "Bravo"};
    f.y.voiceChoice.voiceIndex = 5;  // stored beyond the list, not yet applied
    changeVoice(f.y.voiceChoice, f.y.ports.voice, f.y.tell, 0);
    EXPECT_EQ(f.y.voiceChoice.voiceIndex, 1) << "the stored voice became the first, then one step";
    EXPECT_TRUE(f.y.voiceChoice.voiceApplied);
}

}  // namespace yacht::test
