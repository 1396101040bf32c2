// The command line: the game's options, what they refuse, and Qt's own options let through.

#include <gtest/gtest.h>

#include "app/launch_choice.h"
#include "app/qt_command_line.h"

namespace {

using yacht::parseCommandLine;

TEST(SolverOptions, OptimumAndSimulateAreReadWithTheirValues)
{
    EXPECT_TRUE(parseCommandLine({"--optimum"}).options.optimum);
    const auto parsed = parseCommandLine({"--simulate", "casual", "100000", "--seed", "5"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_TRUE(parsed.options.simulate);
    EXPECT_EQ(parsed.options.simulateStrength, "casual");
    EXPECT_EQ(parsed.options.simulateGames, 100000);
    EXPECT_EQ(parsed.options.seed, 5u);
    EXPECT_FALSE(parsed.options.optimum);
}

TEST(SolverOptions, ABadStrengthOrGameCountIsRefused)
{
    const std::vector<std::vector<std::string>> refused = {
        {"--simulate"},           {"--simulate", "strong"},  {"--simulate", "perfect", "10"},
        {"--simulate", "strong", "0"}, {"--simulate", "strong", "-3"}, {"--simulate", "strong", "ten"},
        {"--simulate=strong", "10"},
    };
    for (const auto& args : refused) {
        SCOPED_TRACE(args.size() > 1 ? args[1] : args[0]);
        const auto parsed = parseCommandLine(args);
        EXPECT_NE(parsed.error, "");
        EXPECT_FALSE(parsed.options.simulate);
    }
}

TEST(RecordOptions, RecordAndExportAreReadAndAnEmptyExportIsRefused)
{
    EXPECT_TRUE(parseCommandLine({"--record"}).options.record);
    EXPECT_EQ(parseCommandLine({"--record-export", "-"}).options.recordExport, "-");
    EXPECT_EQ(parseCommandLine({"--record-export=turns.csv"}).options.recordExport, "turns.csv");
    EXPECT_NE(parseCommandLine({"--record-export", ""}).error, "");
    EXPECT_NE(parseCommandLine({"--record-export"}).error, "");
}

TEST(GameOptions, AreReadAsBeforeWithTheirValues)
{
    const auto parsed = parseCommandLine(
        {"--transcript", "-", "--seed", "42", "--speech-engine=flite", "--seed=7"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.transcript, "-");
    EXPECT_EQ(parsed.options.seed, 7u);  // the last one named counts
    EXPECT_EQ(parsed.options.speechEngine, "flite");
    EXPECT_TRUE(parseCommandLine({"-h"}).options.help);
    EXPECT_TRUE(parseCommandLine({"--help"}).options.help);
    EXPECT_TRUE(parseCommandLine({"--version"}).options.version);
    EXPECT_FALSE(parseCommandLine({}).options.seed.has_value());
}

TEST(GameOptions, ABadValueOrAnUnknownWordIsRefusedWithTheGamesOwnWords)
{
    struct Case {
        std::vector<std::string> args;
        const char* error;
    };
    const Case cases[] = {
        {{"--frobnicate"}, "yacht: unknown option '--frobnicate'\nTry 'yacht --help'."},
        {{"--seed", "5", "stray"}, "yacht: unknown option 'stray'\nTry 'yacht --help'."},
        {{"--seed", "-3"}, "yacht: --seed needs a whole number, not '-3'"},
        {{"--seed", "+3"}, "yacht: --seed needs a whole number, not '+3'"},
        {{"--seed", "99999999999999999999"}, "yacht: --seed needs a whole number, not '99999999999999999999'"},
        {{"--transcript="}, "yacht: --transcript needs a file name or -"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0]);
        EXPECT_EQ(parseCommandLine(c.args).error, c.error);
    }
    EXPECT_NE(parseCommandLine({"--seed"}).error, "");  // a value is missing
}

TEST(QtOptions, PassThroughToTheApplicationAndAreNotedForTheDisplayCheck)
{
    const auto parsed = parseCommandLine({"-platform", "offscreen", "--seed", "3", "-display", ":7",
                                          "-style", "fusion", "-reverse", "--transcript", "t.txt"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_TRUE(parsed.options.platformNamed);
    EXPECT_EQ(parsed.options.display, ":7");
    EXPECT_EQ(parsed.options.seed, 3u);
    EXPECT_EQ(parsed.options.transcript, "t.txt");
    EXPECT_FALSE(parseCommandLine({"--seed", "3"}).options.platformNamed);
    EXPECT_TRUE(parseCommandLine({"--platform=xcb"}).options.platformNamed);
}

// `yacht` reads the command line without Qt to choose the executable a start becomes: it must
// take the same arguments for options, and the same for their values, as the game's own reading.
TEST(LaunchOptions, AgreeWithTheGamesOwnReading)
{
    const std::vector<std::vector<std::string>> lines = {
        {},
        {"--terminal"},
        {"-terminal", "--seed=4"},
        {"--transcript", "--terminal"},        // the transcript's file, not the option
        {"--transcript=-", "--terminal"},
        {"--language", "--help"},
        {"--speech-engine", "-terminal", "--brief"},
        {"-style", "--terminal"},              // a value of Qt's own option
        {"-nograb", "--terminal"},
        {"-platform", "offscreen"},
        {"--platform=xcb", "--terminal"},
        {"-display", ":3"},
        {"-display", ":1", "--display=:2"},    // the last one named counts
        {"--display="},
        {"--seed", "7", "--help"},
        {"-h"},
        {"--version", "--terminal"},
        {"--optimum"},
        {"--simulate", "strong", "10", "--seed", "3"},
        {"--record"},
        {"--record-export", "-"},
        {"--record-export=turns.csv", "-display", ":0"},
    };
    for (const auto& line : lines) {
        std::string shown;
        for (const std::string& arg : line) shown += arg + " ";
        SCOPED_TRACE(shown);
        const auto parsed = parseCommandLine(line);
        ASSERT_EQ(parsed.error, "");
        const yacht::Options& o = parsed.options;
        const yacht::LaunchOptions launch = yacht::readLaunchOptions(line);
        EXPECT_EQ(launch.terminal, o.terminal);
        EXPECT_EQ(launch.platformNamed, o.platformNamed);
        EXPECT_EQ(launch.display, o.display);
        EXPECT_EQ(launch.answerOnly, o.help || o.version || o.optimum || o.simulate || o.record ||
                                         !o.recordExport.empty());
    }
}

}  // namespace
