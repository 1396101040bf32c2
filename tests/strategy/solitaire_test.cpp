// Games played by the computer players agree with what the table expects of them.

#include <gtest/gtest.h>

#include <cmath>

#include "strategy/solitaire.h"

namespace {

using namespace yacht;
using namespace yacht::strategy;

// Threes, Full house and Chance left, 50 in the upper section, Yacht holding 50.
const Position kLateGame{static_cast<FilledMask>(kAllFilled & ~(bitOf(3) | bitOf(9) | bitOf(12))), 50, true};

TEST(Solitaire, TheStrongPlayersMeanAgreesWithTheTable)
{
    const ValueTable table = buildValueTable(2, kLateGame.filled);
    const SimulationFigures f = simulateGames(table, Strength::Strong, 10000, 7, 2, kLateGame);
    ASSERT_EQ(f.games, 10000);
    const double standardError = f.sd / std::sqrt(f.games);
    EXPECT_NEAR(f.mean, table.at(kLateGame), 4 * standardError);
}

TEST(Solitaire, TheCasualPlayerGivesUpPointsButPlaysSensibly)
{
    const ValueTable table = buildValueTable(2, kLateGame.filled);
    const SimulationFigures strong = simulateGames(table, Strength::Strong, 3000, 8, 2, kLateGame);
    const SimulationFigures casual = simulateGames(table, Strength::Casual, 3000, 8, 2, kLateGame);
    EXPECT_LT(casual.mean, strong.mean - 1.0);
    EXPECT_GT(casual.mean, strong.mean * 0.7);
}

TEST(Solitaire, TheSameSeedPlaysTheSameGamesOnAnyNumberOfThreads)
{
    const ValueTable table = buildValueTable(1, kLateGame.filled);
    const SimulationFigures one = simulateGames(table, Strength::Casual, 500, 99, 1, kLateGame);
    const SimulationFigures two = simulateGames(table, Strength::Casual, 500, 99, 2, kLateGame);
    EXPECT_EQ(one.mean, two.mean);
    EXPECT_EQ(one.sd, two.sd);
    EXPECT_NE(one.mean, simulateGames(table, Strength::Casual, 500, 100, 1, kLateGame).mean);
}

}  // namespace
