// The game reads msgfmt's catalogues itself: plural rules of several languages, and files that
// are not whole catalogues.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "narration/message_catalogue.h"
#include "narration/plural_rule.h"

namespace yacht::test {
namespace {

TEST(PluralRules, PickTheFormEachLanguagesRuleNames)
{
    const std::string polish =
        "(n==1 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2)";
    struct Case {
        std::string rule;
        unsigned long n;
        std::size_t form;
    } cases[] = {
        {"(n != 1)", 1, 0}, {"(n != 1)", 0, 1}, {"(n != 1)", 2, 1},
        {"(n > 1)", 0, 0},  {"(n > 1)", 1, 0},  {"(n > 1)", 2, 1},
        {"0", 7, 0},        {polish, 1, 0},     {polish, 3, 1},
        {polish, 13, 2},    {polish, 22, 1},    {polish, 25, 2},
        {"!(n==1)", 1, 0},  {"n%0", 3, 1},      {"(n != 1", 1, 0},  // malformed: English's rule
        {"", 2, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(pluralForm(c.rule, c.n), c.form) << c.rule << " n=" << c.n;
    EXPECT_EQ(pluralRuleOfHeader("Language: fr\nPlural-Forms: nplurals=2; plural=(n > 1);\n"), "(n > 1)");
    EXPECT_EQ(pluralRuleOfHeader("Language: de\n"), "");
}

TEST(MessageCatalogues, TheGamesOwnAreReadAndOtherFilesRefused)
{
    const auto german = MessageCatalogue::load(std::string(YACHT_TEST_LOCALE_DIR) + "/de/LC_MESSAGES/yacht.mo");
    ASSERT_TRUE(german);
    EXPECT_NE(german->header().find("Plural-Forms:"), std::string::npos);
    EXPECT_EQ(german->find("no such message in the game"), nullptr);

    const std::string path = testing::TempDir() + "not_a_catalogue.mo";
    for (const std::string& bytes : {std::string(), std::string("\xde\x12\x04\x95", 4),
                                    std::string("\xde\x12\x04\x95\0\0\0\0\xff\xff\0\0\x1c\0\0\0", 16),
                                    std::string("plain text, not a catalogue")}) {
        std::ofstream(path, std::ios::binary) << bytes;
        EXPECT_FALSE(MessageCatalogue::load(path)) << bytes.size() << " bytes";
    }
    std::remove(path.c_str());
    EXPECT_FALSE(MessageCatalogue::load(path));
}

}  // namespace
}  // namespace yacht::test
