// The game told in each language from the build's catalogues: English untouched, German, French
// and Spanish with their numbers in place, the test-only pseudo-language showing that no word
// escapes the catalogues, and the brief wording a third shorter than the full one.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <random>
#include <regex>

#include "engine/key_codes.h"
#include "engine/tick.h"
#include "engine/key_input.h"
#include "narration/catalogue.h"
#include "narration/english_only_voice.h"
#include "narration/narrator.h"
#include "screen/board.h"
#include "screen/present.h"
#include "narration/sequencer.h"
#include "narration/tenths.h"
#include "support/fakes.h"
#include "support/pseudo_text.h"
#include "terminal/state_report.h"

namespace yacht::test {
namespace {

// Plays in the language for one test, and in English again after it.
struct Playing {
    explicit Playing(const std::string& code)
    {
        EXPECT_TRUE(useLanguage(languageFromCode(code), YACHT_TEST_LOCALE_DIR)) << code;
    }
    ~Playing() { useLanguage({}, YACHT_TEST_LOCALE_DIR); }
};

// The phrase books of a told game, made before the game whose narrator speaks from them.
struct Books {
    PhraseBook full;
    PhraseBook brief;
};

// A seeded one-player game told by a narrator of the given book, played by a script: three
// throws holding the first die, a look at two categories, and the one under the cursor scored.
struct ToldGame : Books, FakeGame {
    explicit ToldGame(PhraseBook words, Wording wording = Wording::Full) : ToldGame(words, words, wording) {}
    ToldGame(PhraseBook fullWords, PhraseBook briefWords, Wording wording = Wording::Full, unsigned seed = 11)
        : Books{std::move(fullWords), std::move(briefWords)}, FakeGame(full, brief, wording)
    {
        resources.add("TEXT", "HELP1", "Introduction and scoring.\r\n\r\nF4 tells you the scores.\r\n");
        std::mt19937 faces(seed);
        for (int i = 0; i < 2000; ++i) random.faces.push_back(int(faces() % 6) + 1);
    }
    // A key, and the game left to say all it has to say.
    void key(int code)
    {
        recordKeyPress(y.pendingInput, y.game, y.ports.voice, code, 0);
        settle(200);
    }
    std::vector<std::string> play()
    {
        key(keys::F1);
        key(keys::F1);
        key(keys::F9);
        key(keys::Enter);
        for (int step = 0; step < 2000 && y.game.state != EngineState::Idle; ++step) {
            const Game& g = y.game;
            if (g.state == EngineState::Choosing) {
                // The next row along; a taken one is told as taken and the walk goes on.
                key(keys::Right);
                key(keys::Enter);
            } else if (g.state == EngineState::Rolled && g.roll == 1) {
                key(keys::Digit1);
                key(keys::Space);
            } else {
                key(keys::Space);
            }
        }
        EXPECT_EQ(y.game.state, EngineState::Idle) << "the game did not end";
        key(keys::F3);
        return voice.texts();
    }
};

std::size_t characters(const std::vector<std::string>& said)
{
    std::size_t n = 0;
    for (const std::string& s : said) n += s.size();
    return n;
}

TEST(Languages, ChosenFromTheEnvironmentAsGettextWouldWithTheCLocaleMeaningEnglish)
{
    struct Case {
        const char *language, *all, *messages, *lang, *expected;
    } cases[] = {
        {nullptr, nullptr, nullptr, nullptr, ""},
        {nullptr, nullptr, nullptr, "C", ""},
        {"de", nullptr, nullptr, "C", ""},  // LANGUAGE is ignored under the C locale
        {"de", "POSIX", nullptr, "fr_FR.UTF-8", ""},
        {nullptr, nullptr, nullptr, "C.UTF-8", ""},
        {"es", nullptr, nullptr, "C.UTF-8", "es"},
        {nullptr, nullptr, nullptr, "en_GB.UTF-8", ""},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", "de_DE"},
        {nullptr, "fr_CA.UTF-8", "de_DE.UTF-8", "es_ES.UTF-8", "fr_CA"},
        {nullptr, nullptr, "es_MX.UTF-8", "de_DE.UTF-8", "es_MX"},
        {"fr:de", nullptr, nullptr, "de_DE.UTF-8", "fr:de"},
        {"en:de", nullptr, nullptr, "de_DE.UTF-8", ""},
    };
    for (const Case& c : cases) {
        const auto set = [](const char* name, const char* value) {
            if (value) setenv(name, value, 1);
            else unsetenv(name);
        };
        set("LANGUAGE", c.language);
        set("LC_ALL", c.all);
        set("LC_MESSAGES", c.messages);
        set("LANG", c.lang);
        EXPECT_EQ(languageFromEnvironment().code, c.expected)
            << (c.language ? c.language : "-") << " " << (c.all ? c.all : "-") << " "
            << (c.messages ? c.messages : "-") << " " << (c.lang ? c.lang : "-");
    }
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) unsetenv(name);
    setenv("LANG", "C.UTF-8", 1);
    EXPECT_EQ(languageFromCode("fr_CA").code, "fr_CA:fr");
    EXPECT_EQ(languageFromCode("en_US").code, "");
    EXPECT_EQ(languageFromCode("C").code, "");
}

TEST(Languages, EnglishFromTheCataloguesIsTheGamesOwnWordsByteForByte)
{
    useLanguage({}, YACHT_TEST_LOCALE_DIR);
    const PhraseBook book = PhraseBook::translated(Wording::Full);
    for (int i = 0; i < int(Phrase::Count); ++i)
        EXPECT_EQ(book[Phrase(i)], PhraseBook::english()[Phrase(i)]) << "entry " << i;
    EXPECT_EQ(book.count(Phrase::CategoriesLeftOne, 1, {"1"}), "1 categories left to fill");
    EXPECT_EQ(ToldGame(book).play(), ToldGame(PhraseBook::english()).play());
}

TEST(Languages, AMissingCatalogueLeavesTheGameInEnglish)
{
    EXPECT_FALSE(useLanguage(languageFromCode("nl"), YACHT_TEST_LOCALE_DIR));
    EXPECT_EQ(languageInUse(), "");
    EXPECT_STREQ(translate("Sixes"), "Sixes");
}

TEST(Languages, ThePseudoLanguageShowsNoWordOutsideTheCatalogues)
{
    Playing pseudo("pseudo");
    ToldGame game(PhraseBook::translated(Wording::Full));
    const std::vector<std::string> said = game.play();
    ASSERT_GT(said.size(), 100u);
    for (const std::string& s : said) EXPECT_FALSE(hasLetter(outsideBrackets(s))) << "said: [" << s << "]";

    // The window's captions, on the card and on the list of players.
    Board b = designBoard();
    present(game.y.game, game.view, b);
    std::vector<const Label*> labels;
    for (const Label& l : b.dice) labels.push_back(&l);
    for (const Label& l : b.holdMarks) labels.push_back(&l);
    for (const Label& l : b.sheetCaptions) labels.push_back(&l);
    for (const Label& l : b.sheetValues) labels.push_back(&l);
    for (const Label& l : b.sidePanel) labels.push_back(&l);
    labels.push_back(&b.statusBox);
    for (const Label* l : labels) EXPECT_FALSE(hasLetter(outsideBrackets(l->caption))) << "shown: [" << l->caption << "]";
    game.key(keys::F9);
    present(game.y.game, game.view, b);
    for (const Label* l : labels) EXPECT_FALSE(hasLetter(outsideBrackets(l->caption))) << "shown: [" << l->caption << "]";
}

// Each language's seeded game: its own words, every number in place, no English left.
TEST(Languages, ASeededGameIsToldInEachLanguageWithItsNumbersInPlace)
{
    struct Case {
        const char* code;
        const char* firstRound;  // round 1's first throw
        const char* lastTotal;   // the score after the last round but one, up to its number
        const char* help;        // help page 1's heading
        const char* sixes;       // the row of sixes, as a category is priced
    } cases[] = {
        {"de", "Runde 1 erster Wurf", "Nach 12 Runden steht Ihr Gesamtergebnis bei ", "Einführung und Wertung.", "Sechser"},
        {"fr", "manche 1 premier lancer", "Après 12 manches, votre total est de ", "Présentation et décompte des points.", "Six"},
        {"es", "ronda 1 primera tirada", "Tras 12 rondas su puntuación total es ", "Introducción y puntuación.", "Seises"},
    };
    for (const Case& c : cases) {
        Playing language(c.code);
        const std::vector<std::string> said = ToldGame(PhraseBook::translated(Wording::Full)).play();
        std::string all;
        for (const std::string& s : said) all += s + "\n";
        EXPECT_NE(all.find(c.firstRound), std::string::npos) << c.code;
        if (std::getenv("YACHT_SHOW_TRANSCRIPT")) std::cout << all;
        EXPECT_NE(all.find(c.help), std::string::npos) << c.code;
        EXPECT_TRUE(std::regex_search(all, std::regex(std::string(c.lastTotal) + "[0-9]+"))) << c.code;
        EXPECT_TRUE(std::regex_search(all, std::regex(std::string(c.sixes) + " [a-z ]*[0-9]+")) ||
                    all.find(c.sixes) != std::string::npos)
            << c.code;
        for (const char* english : {"round", "roll", "worth", "Press", "score is", "the "})
            EXPECT_EQ(all.find(english), std::string::npos) << c.code << ": " << english;
        EXPECT_EQ(all.find('%'), std::string::npos) << c.code;
        EXPECT_EQ(all.find("$d"), std::string::npos) << c.code;
    }
}

TEST(Languages, TheTerminalsStateLineNamesTheRowUnderTheCursorInTheGamesLanguage)
{
    Playing german("de");
    Game g;
    g.numPlayers = 1;
    g.player = g.round = 1;
    g.roll = 3;
    g.state = EngineState::Choosing;
    g.dice = {2, 2, 3, 4, 6};
    g.categoryCursor = category::Ones + 1;  // Twos
    g.categoryValues[g.categoryCursor] = 4;
    const std::string line = stateLine(g, PhraseBook::translated(Wording::Full));
    EXPECT_NE(line.find("Zweier 4"), std::string::npos) << line;
}

TEST(Languages, TenthsOfAPointTakeEachLanguagesDecimalMark)
{
    struct Case {
        const char* code;
        double points;
        const char* expected;
    } cases[] = {
        {"en", 1.5, "1.5"}, {"en", 12.04, "12.0"},
        {"de", 1.5, "1,5"}, {"de", 12.04, "12,0"},
        {"fr", 0.25, "0,3"}, {"es", 3.96, "4,0"},
    };
    for (const Case& c : cases) {
        Playing language(c.code);
        EXPECT_EQ(tenths(c.points, PhraseBook::translated(Wording::Full).language()), c.expected) << c.code;
    }
    // Back in English the point returns.
    EXPECT_EQ(tenths(1.5, PhraseBook::translated(Wording::Full).language()), "1.5");
}

// "nobrief" is the German catalogue with its brief wordings taken out, built for this test.
TEST(Languages, ABriefEntryALanguageLacksIsSaidInThatLanguagesFullWording)
{
    struct Case {
        const char* code;
        bool hasBrief;
    } cases[] = {{"nobrief", false}, {"de", true}};
    for (const Case& c : cases) {
        Playing language(c.code);
        const PhraseBook full = PhraseBook::translated(Wording::Full);
        const PhraseBook brief = PhraseBook::translated(Wording::Brief);
        int differing = 0;
        for (int i = 0; i < int(Phrase::Count); ++i)
            if (full[Phrase(i)] != brief[Phrase(i)]) ++differing;
        EXPECT_EQ(differing > 0, c.hasBrief) << c.code;
        // Never English: the full wording of the language, its plurals included.
        EXPECT_EQ(brief[nth(Phrase::CategoryName, 5)], "Sechser") << c.code;
        if (!c.hasBrief) {
            EXPECT_EQ(brief.count(Phrase::CategoriesLeftOne, 2, {"2"}), "Noch 2 Kategorien frei");
            EXPECT_EQ(brief[Phrase::CoachScoreWithCost], full[Phrase::CoachScoreWithCost]);
        }
    }
}

TEST(Languages, PluralsFollowEachLanguagesRule)
{
    struct Case {
        const char* code;
        long n;
        const char* expected;
    } cases[] = {
        {"de", 1, "Noch 1 Kategorie frei"}, {"de", 2, "Noch 2 Kategorien frei"},
        {"fr", 0, "0 catégorie à remplir"}, {"fr", 1, "1 catégorie à remplir"}, {"fr", 5, "5 catégories à remplir"},
        {"es", 1, "Queda 1 categoría por llenar"}, {"es", 13, "Quedan 13 categorías por llenar"},
    };
    for (const Case& c : cases) {
        Playing language(c.code);
        const PhraseBook book = PhraseBook::translated(Wording::Full);
        EXPECT_EQ(book.count(Phrase::CategoriesLeftOne, c.n, {std::to_string(c.n)}), c.expected);
    }
}

TEST(Languages, BriefEnglishIsAThirdShorterAndSaysNoFullSentence)
{
    useLanguage({}, YACHT_TEST_LOCALE_DIR);
    const std::vector<std::string> full = ToldGame(PhraseBook::translated(Wording::Full)).play();
    const std::vector<std::string> brief = ToldGame(PhraseBook::translated(Wording::Brief), Wording::Brief).play();
    EXPECT_LE(characters(brief) * 3, characters(full) * 2) << characters(brief) << " of " << characters(full);
    RecordProperty("full_characters", int(characters(full)));
    RecordProperty("brief_characters", int(characters(brief)));
    std::string all;
    for (const std::string& s : brief) all += s + "\n";
    for (const char* wordy : {"is worth", "first roll", "second roll", "hold the", "your total score", "After "})
        EXPECT_EQ(all.find(wordy), std::string::npos) << wordy;
    EXPECT_NE(all.find("roll 2:"), std::string::npos);
    EXPECT_NE(all.find("held 1st"), std::string::npos);
}

TEST(Languages, TheWordingKeySwitchesSaysSoAndIsKeptForTheNextStart)
{
    useLanguage({}, YACHT_TEST_LOCALE_DIR);
    ToldGame game(PhraseBook::translated(Wording::Full), PhraseBook::translated(Wording::Brief));
    game.key(keys::F9);
    game.key(keys::Enter);
    game.key('W');
    EXPECT_EQ(game.voice.last(), "brief speech");
    EXPECT_TRUE(game.y.voiceChoice.briefSpeech);
    game.key(keys::Space);
    game.key(keys::Space);
    const std::vector<std::string> said = game.voice.texts();
    EXPECT_NE(std::find(said.begin(), said.end(), "round 1, roll 1:"), said.end());
    game.key('W');
    EXPECT_EQ(game.voice.last(), "full speech");
    game.key('W');
    game.key(keys::F12);
    EXPECT_EQ(game.store.values["Tevrin/Q73/Brief"], "1");
}

TEST(Languages, BriefSpeechSaysEachKeyInstructionOnceAGame)
{
    useLanguage({}, YACHT_TEST_LOCALE_DIR);
    const std::vector<std::string> said = ToldGame(PhraseBook::translated(Wording::Brief), Wording::Brief).play();
    const auto count = [&said](const std::string& text) { return std::count(said.begin(), said.end(), text); };
    EXPECT_EQ(count(" space"), 0);
    EXPECT_EQ(count(" space to begin"), 1);
    EXPECT_EQ(count("choose"), 1);
}

// Speech-dispatcher fails in the middle of a game: the English-only voice that takes over says,
// once and in English, that the language needs speech-dispatcher, and the rest of the game is
// told as an English game would be, in the wording chosen; the settings stored are the same as
// without the failure. Another voice taking over, or an English game, changes no word.
TEST(Languages, AnEnglishOnlyVoiceTakingOverMidGameIsSaidOnceAndTheGameGoesOnInEnglish)
{
    struct Case {
        const char* code;
        Wording wording;
        const char* takingOver;
        bool inEnglish;  // the game goes on in English after the notice
    } cases[] = {
        {"de", Wording::Full, "flite", true},
        {"fr", Wording::Brief, "flite", true},
        {"es", Wording::Full, "none", false},
        {"en", Wording::Full, "flite", false},
    };
    // A game begun and thrown once, then (after the voice changes, or not) thrown again, looked
    // at and left; what is said after the first throw, and the settings left, are returned.
    struct Told {
        std::vector<std::string> after;
        std::map<std::string, std::string> stored;
    };
    const auto tell = [](const std::string& code, Wording wording, const std::string& takingOver) {
        Playing language(code);
        ToldGame game(PhraseBook::translated(Wording::Full), PhraseBook::translated(Wording::Brief), wording);
        game.key(keys::F9);
        game.key(keys::Enter);
        game.key(keys::Space);
        const std::size_t before = game.voice.texts().size();
        if (!takingOver.empty()) game.voice.handOverTo(takingOver);
        game.key(keys::Space);
        game.key(keys::F3);
        game.key(keys::F12);
        const std::vector<std::string> said = game.voice.texts();
        return Told{{said.begin() + long(before), said.end()}, game.store.values};
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const Told failed = tell(c.code, c.wording, c.takingOver);
        const Told kept = tell(c.code, c.wording, "");
        const std::string notice = englishOnlyNotice(c.code);
        EXPECT_EQ(failed.stored, kept.stored);
        if (!c.inEnglish) {
            EXPECT_EQ(failed.after, kept.after);
            continue;
        }
        ASSERT_FALSE(failed.after.empty());
        EXPECT_EQ(failed.after.front(), notice);
        EXPECT_EQ(std::count(failed.after.begin(), failed.after.end(), notice), 1);
        const Told english = tell("en", c.wording, "");
        EXPECT_NE(kept.after, english.after);  // the language's own words until the voice failed
        EXPECT_EQ(std::vector<std::string>(failed.after.begin() + 1, failed.after.end()), english.after);
    }
}

}  // namespace
}  // namespace yacht::test
