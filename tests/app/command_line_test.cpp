// The solver's options on the command line: what they ask for, and what they refuse.

#include <gtest/gtest.h>

#include "app/command_line.h"

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

}  // namespace
