#include <gtest/gtest.h>

#include "narration/catalogue.h"
#include "speech/voice_catalogue.h"

namespace yacht::test {
namespace {

std::vector<std::string> descriptions(const std::vector<VoiceChoice>& voices)
{
    std::vector<std::string> out;
    for (const auto& v : voices) out.push_back(v.description);
    return out;
}

// The shape of espeak-ng's listing: every language, each plain and with its personalities.
std::vector<SynthesisVoice> espeakLike()
{
    std::vector<SynthesisVoice> listed;
    const std::pair<const char*, const char*> languages[] = {
        {"Afrikaans", "af"},
        {"English (Caribbean)", "en-029"},
        {"English (Great Britain)", "en-GB"},
        {"English (Scotland)", "en-GB-SCOTLAND"},
        {"English (America)", "en-US"},
        {"English (America, New York City)", "en-US-NYC"},
        {"German", "de"},
    };
    for (const auto& [name, language] : languages) {
        listed.push_back({name, language, "none"});
        for (const char* who : {"Adam", "Annie", "klatt"})
            listed.push_back({std::string(name) + "+" + who, language, who});
    }
    return listed;
}

}  // namespace

TEST(ChooseVoices, DefaultFirstThenOnePlainVoicePerVarietyOfEnglishInServerOrder)
{
    const auto voices = chooseVoices(espeakLike(), "en-US");
    EXPECT_EQ(descriptions(voices),
              (std::vector<std::string>{"English, America", "English, Caribbean",
                                        "English, Great Britain", "English, Scotland",
                                        "English, America, New York City"}));
    EXPECT_EQ(voices[0].name, "English (America)");
    EXPECT_EQ(voices[2].name, "English (Great Britain)");
}

TEST(ChooseVoices, DefaultLanguageIsMatchedWithoutRegardToCase)
{
    const auto voices = chooseVoices(espeakLike(), "en-gb");
    EXPECT_EQ(voices[0].name, "English (Great Britain)");
    EXPECT_EQ(voices.size(), 5u);
}

TEST(ChooseVoices, NonEnglishDefaultStaysFirstAndEnglishFollows)
{
    const auto voices = chooseVoices(espeakLike(), "de");
    ASSERT_EQ(voices.size(), 6u);
    EXPECT_EQ(voices[0].name, "German");
    EXPECT_EQ(voices[1].description, "English, Caribbean");
}

TEST(ChooseVoices, VarietyWithOnlyPersonalitiesKeepsItsFirst)
{
    const std::vector<SynthesisVoice> listed{{"English (America)", "en-US", "none"},
                                             {"Irish+Annie", "en-IE", "Annie"},
                                             {"Irish+Adam", "en-IE", "Adam"}};
    const auto voices = chooseVoices(listed, "en-US");
    ASSERT_EQ(voices.size(), 2u);
    EXPECT_EQ(voices[1].name, "Irish+Annie");
    EXPECT_EQ(voices[1].description, "Irish Annie");
}

TEST(ChooseVoices, ServerThatListsNothingStillOffersItsDefaultVoice)
{
    const auto voices = chooseVoices({}, "en-GB");
    ASSERT_EQ(voices.size(), 1u);
    EXPECT_EQ(voices[0].description, "English, United Kingdom");
    EXPECT_EQ(chooseVoices({}, "")[0].description, "default voice");
}

TEST(DescribeVoice, NamesBecomeWordsFitToBeSpoken)
{
    struct Case {
        SynthesisVoice voice;
        const char* words;
    };
    const Case cases[] = {
        {{"English (America, New York City)", "en-US-NYC", "none"}, "English, America, New York City"},
        {{"en-us", "en-US", "none"}, "English, United States"},
        {{"en_GB", "en-GB", "none"}, "English, United Kingdom"},
        {{"", "en-029", "none"}, "English, Caribbean"},
        {{"", "en", "none"}, "English"},
        {{"mb-en1", "en-GB", "none"}, "English, United Kingdom"},
        {{"Alan_Medium", "en-GB", "none"}, "Alan Medium"},
    };
    for (const Case& c : cases) EXPECT_EQ(describeVoice(c.voice), c.words) << c.voice.name;
}

}  // namespace yacht::test

namespace yacht::test {

// In a game in German, French or Spanish the voices of the game's languages are described in
// its words, whatever the server names them; back in English the words are as before.
TEST(DescribeVoice, InTheGamesLanguage)
{
    struct Case {
        const char* game;
        SynthesisVoice voice;
        const char* words;
    };
    const Case cases[] = {
        {"de", {"German", "de", "none"}, "Deutsch"},
        {"de", {"English (Great Britain)", "en-GB", "none"}, "Englisch, Vereinigtes Königreich"},
        {"fr", {"French (Belgium)", "fr-BE", "none"}, "français, Belgique"},
        {"es", {"", "es-419", "none"}, "español, América Latina"},
        {"es", {"", "", "none"}, "voz predeterminada"},
        {"de", {"Afrikaans", "af", "none"}, "Afrikaans"},
        {"en", {"German", "de", "none"}, "German"},
        {"en", {"", "en-GB", "none"}, "English, United Kingdom"},
    };
    for (const Case& c : cases) {
        useLanguage(languageFromCode(c.game), YACHT_TEST_LOCALE_DIR);
        EXPECT_EQ(describeVoice(c.voice), c.words) << c.game << " " << c.voice.language;
    }
    useLanguage({}, YACHT_TEST_LOCALE_DIR);
}

}  // namespace yacht::test
