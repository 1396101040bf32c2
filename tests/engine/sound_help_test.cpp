#include <gtest/gtest.h>

#include "engine/key_codes.h"
#include "engine/sound_help.h"
#include "narration/sequencer.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

// Help pages as the executable carries them: CR LF lines, and zero bytes after pages 1 to 3.
void addPages(FakeResources& r)
{
    r.add("TEXT", "HELP0", "Introduction page.");
    r.add("TEXT", "HELP1", std::string("Page one.\r\n\r\nPress F1.\r\n") + '\0' + '\0');
    r.add("TEXT", "HELP2", std::string("Page two.\r\n") + '\0' + '\0' + '\0');
    r.add("TEXT", "HELP3", std::string("Page three.\r\n") + '\0' + '\0');
}

}  // namespace

TEST(HelpPages, F1ReadsTheIntroductionOnceThenCyclesThroughTheThreePages)
{
    FakeGame f;
    addPages(f.resources);
    const std::vector<std::string> expected{"Introduction page.", "Page one.\r\n\r\nPress F1.\r\n",
                                            "Page two.\r\n", "Page three.\r\n",
                                            "Page one.\r\n\r\nPress F1.\r\n"};
    const int16_t pagesAfter[] = {1, 2, 3, 1, 2};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        f.press(keys::F1);
        EXPECT_EQ(f.voice.last(), expected[i]) << "press " << i + 1;
        EXPECT_EQ(f.y.game.helpPage, pagesAfter[i]) << "press " << i + 1;
        EXPECT_EQ(f.y.toBeHeard.lastHeard, expected[i]);
        EXPECT_EQ(f.voice.spoken.back().mode, SpeakMode::Async);
    }
}

TEST(HelpPages, PageIsSpokenAtOnceAndNotQueued)
{
    FakeGame f;
    addPages(f.resources);
    f.y.toBeHeard = queued("\trolldice\tstill waiting");
    f.y.toBeHeard.take();
    f.y.toBeHeard.syncAfterSound = true;
    readHelpPage(f.y.game, f.y.ports, f.y.tell);
    EXPECT_EQ(f.voice.texts(), std::vector<std::string>{"Introduction page."});
    EXPECT_EQ(f.y.toBeHeard, queued("\tstill waiting"));
    EXPECT_FALSE(f.y.toBeHeard.syncAfterSound);
}

TEST(HelpPages, MissingPageSaysNothingAndTheNextF1ReadsTheNextPage)
{
    FakeGame f;
    addPages(f.resources);
    f.resources.items.erase("TEXT/HELP1");
    f.y.game.helpPage = 1;
    readHelpPage(f.y.game, f.y.ports, f.y.tell);
    EXPECT_TRUE(f.voice.spoken.empty());
    EXPECT_EQ(f.y.game.helpPage, 2);
    readHelpPage(f.y.game, f.y.ports, f.y.tell);
    EXPECT_EQ(f.voice.last(), "Page two.\r\n");
}

TEST(HelpPages, Utf8TextIsSpokenAsStored)
{
    FakeGame f;
    f.resources.add("TEXT", "HELP0", std::string("caf\xC3\xA9 \xE2\x80\x9Cx\xE2\x80\x9D\r\n") + '\0');
    readHelpPage(f.y.game, f.y.ports, f.y.tell);
    ASSERT_EQ(f.voice.spoken.size(), 1u);
    EXPECT_EQ(f.voice.spoken[0].text, "caf\xC3\xA9 \xE2\x80\x9Cx\xE2\x80\x9D\r\n");
}

TEST(PlaySound, FindsTheWaveByItsNameWhateverTheCase)
{
    FakeGame f;
    f.resources.add("WAVE", "ROLLDICE", "RIFF....WAVE");
    EXPECT_TRUE(playSound(f.y.ports, "rolldice"));
    ASSERT_EQ(f.sound.played.size(), 1u);
    EXPECT_EQ(f.sound.played[0].name, "rolldice");
    EXPECT_EQ(f.sound.played[0].bytes, 12u);
}

TEST(PlaySound, EmptyOrUnknownNameIsSilence)
{
    FakeGame f;
    f.resources.add("WAVE", "ROLLDICE", "RIFF....WAVE");
    EXPECT_FALSE(playSound(f.y.ports, ""));
    EXPECT_FALSE(playSound(f.y.ports, "fanfare"));
    EXPECT_TRUE(f.sound.played.empty());
}

TEST(PlaySound, QueuedSoundPlaysToItsEndThenTheNextItemIsSpokenSynchronously)
{
    FakeGame f;
    f.resources.add("WAVE", "ROLLDICE", "RIFF....WAVE");
    f.y.toBeHeard = queued("\trolldice\tfive fours\tthen this");
    f.sequencer.handNext();
    ASSERT_EQ(f.sound.played.size(), 1u);
    EXPECT_TRUE(f.voice.spoken.empty());
    f.sequencer.handNext();
    f.sequencer.handNext();
    ASSERT_EQ(f.voice.spoken.size(), 2u);
    EXPECT_EQ(f.voice.spoken[0].text, "five fours");
    EXPECT_EQ(f.voice.spoken[0].mode, SpeakMode::Sync);
    EXPECT_EQ(f.voice.spoken[1].text, "then this");
    EXPECT_EQ(f.voice.spoken[1].mode, SpeakMode::Async);
    EXPECT_FALSE(f.y.toBeHeard.syncAfterSound);
}

}  // namespace yacht::test
