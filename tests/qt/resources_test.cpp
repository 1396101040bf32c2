#include <gtest/gtest.h>

#include "speech/qt_resources.h"
#include "speech/wave_format.h"

namespace yacht {
namespace {

std::string text(Resources& r, const std::string& name)
{
    const auto bytes = r.load("TEXT", name);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

std::string trimmed(std::string s)
{
    while (!s.empty() && (s.back() == '\r' || s.back() == '\n' || s.back() == '\0' || s.back() == ' '))
        s.pop_back();
    return s;
}

}  // namespace

TEST(QtResources, TypeAndNameMatchWithoutRegardToCase)
{
    auto r = makeQtResources();
    const auto exact = r->load("TEXT", "HELP1");
    ASSERT_TRUE(exact);
    EXPECT_EQ(r->load("text", "help1"), exact);
    EXPECT_EQ(r->load("Text", "Help1"), exact);
    EXPECT_TRUE(r->load("wave", "rolldice"));
    EXPECT_FALSE(r->load("WAVE", "fanfare"));
    EXPECT_FALSE(r->load("SOUND", "ROLLDICE"));
    EXPECT_FALSE(r->load("TEXT", ""));
    EXPECT_FALSE(r->load("TEXT", "../WAVE/ROLLDICE"));
}

TEST(QtResources, HelpPagesBeginAndEndWithTheSentencesThatLinkThem)
{
    auto r = makeQtResources();
    EXPECT_EQ(text(*r, "help0"),
              "Yacht is a classic dice game. There are 3 pages of help, press function key F 1 for "
              "the first page. ");
    struct Page {
        const char* name;
        const char* first;
        const char* last;
        const char* says;  // a promise the page must make as the game keeps it
    };
    const Page pages[] = {
        {"help1", "Introduction and scoring.", "Press F1 for instructions on how to play the game.",
         "a bonus of 35 points"},
        {"help2", "How to play the game.", "Press F1 for an explanation of the function keys.",
         "Press F9 to start a new game"},
        // F2 repeats all five dice only after the first throw.
        {"help3", "Function keys.", "Press F1 for the introduction and scoring.",
         "after the second and third throws only the dice you threw again"},
    };
    for (const Page& p : pages) {
        const std::string page = trimmed(text(*r, p.name));
        EXPECT_NE(page.find(p.says), std::string::npos) << p.name;
        EXPECT_EQ(page.rfind(p.first, 0), 0u) << p.name;
        ASSERT_GE(page.size(), std::string(p.last).size()) << p.name;
        EXPECT_EQ(page.substr(page.size() - std::string(p.last).size()), p.last) << p.name;
        for (std::size_t i = 0; i < page.size(); ++i) {
            if (page[i] != '\n') continue;
            EXPECT_TRUE(i > 0 && page[i - 1] == '\r') << p.name << " line ends";
        }
    }
}

TEST(QtResources, HelpPagesAreUtf8)
{
    // The pages are spoken as they are stored, so each must be UTF-8 (plain ASCII is too).
    auto r = makeQtResources();
    for (const char* name : {"help0", "help1", "help2", "help3"}) {
        const std::string page = text(*r, name);
        ASSERT_FALSE(page.empty()) << name;
        std::size_t i = 0;
        while (i < page.size()) {
            const auto lead = static_cast<unsigned char>(page[i]);
            const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3
                                     : (lead >> 3) == 30 ? 4 : 0;
            ASSERT_NE(length, 0u) << name << " byte " << i;
            ASSERT_LE(i + length, page.size()) << name << " byte " << i;
            for (std::size_t k = 1; k < length; ++k)
                ASSERT_EQ(static_cast<unsigned char>(page[i + k]) >> 6, 2) << name << " byte " << i + k;
            i += length;
        }
    }
}

TEST(QtResources, DiceSoundIsThreeAndAHalfSecondsOfMonoCdQualitySound)
{
    auto r = makeQtResources();
    const auto wave = r->load("WAVE", "ROLLDICE");
    ASSERT_TRUE(wave);
    const auto f = parseWave(*wave);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->channels, 1);
    EXPECT_EQ(f->sampleRate, 44100);
    EXPECT_EQ(f->sample, WaveFormat::Sample::Int16);
    EXPECT_EQ(f->dataSize, 311296u);
}

}  // namespace yacht
