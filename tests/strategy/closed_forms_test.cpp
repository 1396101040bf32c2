// The solver against figures worked out by hand: a single free category left on the card.

#include <gtest/gtest.h>

#include <cmath>

#include "strategy/advice.h"
#include "strategy/value_table.h"

namespace {

using namespace yacht;
using namespace yacht::strategy;

constexpr double kOneThrow = 7776.0;  // 6^5 ways five dice fall

Position onlyFree(int c, int upper = 0, bool yachtHolds50 = false)
{
    return {static_cast<FilledMask>(kAllFilled & ~bitOf(c)), upper, yachtHolds50};
}

double binomial(int n, int k, double p)
{
    double ways = 1;
    for (int i = 0; i < k; ++i) ways = ways * (n - i) / (i + 1);
    return ways * std::pow(p, k) * std::pow(1 - p, n - k);
}

TEST(SingleFreeCategory, ChanceIsEachDieKeptAboveItsThresholdLessTheForcedLowYachts)
{
    // Each die alone: rethrow below 4.25 with two throws to come, below 3.5 with one, so 14/3.
    // A Yacht ends the throwing: five equal faces of 4 or less on the first throw, or of 3 or
    // less when all five were thrown again, must be scored as they lie.
    const double expected = 70.0 / 3 - 35.0 / kOneThrow - (1020.0 / kOneThrow) * (22.5 / kOneThrow);
    const Position p = onlyFree(category::Chance);
    const ValueTable table = buildValueTable(1, p.filled);
    EXPECT_NEAR(table.at(p), expected, 1e-9);
}

TEST(SingleFreeCategory, YachtIsFiftyTimesTheChanceOfFiveAlikeInThreeThrows)
{
    const Position p = onlyFree(category::Yacht);
    const ValueTable table = buildValueTable(1, p.filled);
    EXPECT_NEAR(table.at(p), 50.0 * 2783176.0 / 60466176.0, 1e-9);
}

TEST(SingleFreeCategory, SixesWithTheUpperBonusAtStakeCountsTheSixesNeeded)
{
    // Keep every six: each die ends a six with chance 1 - (5/6)^3, and the bonus comes with
    // enough sixes. A Yacht of another face ends the throwing with no six: on the first throw,
    // or on the second after all five were thrown again.
    for (const int upper : {0, 39, 45, 57, 63}) {
        SCOPED_TRACE(upper);
        const auto worth = [&](double p) {
            double sum = 0;
            for (int n = 0; n <= 5; ++n) {
                const bool bonus = upper < kBonusThreshold && upper + 6 * n >= kBonusThreshold;
                sum += binomial(5, n, p) * (6 * n + (bonus ? kUpperBonus : 0));
            }
            return sum;
        };
        // A Yacht of another face leaves no six and so no bonus: it is worth 0.
        const double expected = worth(91.0 / 216) - (5 / kOneThrow) * worth(11.0 / 36) -
                                (3120 / kOneThrow) * (5 / kOneThrow) * worth(1.0 / 6);
        const Position p = onlyFree(category::Sixes, upper);
        const ValueTable table = buildValueTable(1, p.filled);
        EXPECT_NEAR(table.at(p), expected, 1e-9);
    }
}

TEST(SingleFreeCategory, AYachtOnTheFirstThrowIsScoredAsItLies)
{
    const Position p = onlyFree(category::Chance);
    const ValueTable table = buildValueTable(1, p.filled);
    const KeepChoice keep = bestKeep(table, p, {1, 1, 1, 1, 1}, 2);
    EXPECT_TRUE(keep.holdsAll());
    EXPECT_DOUBLE_EQ(keep.expected, 5);
}

TEST(SingleFreeCategory, AYachtRowHoldingFiftyMakesEveryThrowChaseAnotherYacht)
{
    const Position plain = onlyFree(category::Chance, 0, false);
    const Position paying = onlyFree(category::Chance, 0, true);
    const ValueTable table = buildValueTable(1, plain.filled);
    EXPECT_GT(table.at(paying), table.at(plain) + 2.0);
    // Four sixes and a five: the plain card keeps its 29 and stops; the paying card throws the
    // five again for a chance at a Yacht and its 100.
    EXPECT_TRUE(bestKeep(table, plain, {6, 6, 5, 6, 6}, 2).holdsAll());
    const KeepChoice chase = bestKeep(table, paying, {6, 6, 5, 6, 6}, 2);
    EXPECT_EQ(chase.hold, (std::array<bool, 5>{true, true, false, true, true}));
}

// The worth of each category after the last throw, when it is the last one left to fill.
struct PriceExample {
    Dice dice;
    int category;
    int points;
};

TEST(SingleFreeCategory, TheLastCategoryScoresWhatTheRulesPriceIt)
{
    const PriceExample examples[] = {
        {{1, 1, 1, 1, 1}, category::Ones, 5},          {{1, 1, 1, 1, 1}, category::ThreeOfAKind, 5},
        {{1, 1, 1, 1, 1}, category::FourOfAKind, 5},   {{1, 1, 1, 1, 1}, category::FullHouse, 0},
        {{1, 1, 1, 1, 1}, category::SmallStraight, 0}, {{1, 1, 1, 1, 1}, category::LargeStraight, 0},
        {{1, 1, 1, 1, 1}, category::Yacht, 50},        {{2, 2, 3, 3, 3}, 2, 4},
        {{2, 2, 3, 3, 3}, 3, 9},                       {{2, 2, 3, 3, 3}, category::ThreeOfAKind, 13},
        {{2, 2, 3, 3, 3}, category::FourOfAKind, 0},   {{2, 2, 3, 3, 3}, category::FullHouse, 25},
        {{2, 2, 3, 3, 3}, category::Chance, 13},       {{6, 6, 6, 6, 1}, category::FourOfAKind, 25},
        {{6, 6, 6, 6, 1}, category::FullHouse, 0},     {{6, 6, 6, 6, 1}, category::Sixes, 24},
        {{1, 2, 3, 4, 6}, category::SmallStraight, 30}, {{1, 2, 3, 4, 6}, category::LargeStraight, 0},
        {{5, 4, 3, 2, 1}, category::LargeStraight, 40}, {{1, 3, 4, 5, 6}, category::SmallStraight, 30},
        {{1, 2, 2, 4, 5}, category::SmallStraight, 0},
    };
    for (const auto& e : examples) {
        SCOPED_TRACE(e.category);
        const Position p = onlyFree(e.category);
        const ValueTable table = buildValueTable(1, p.filled);
        const CategoryChoice choice = bestCategory(table, p, e.dice);
        EXPECT_EQ(choice.category, e.category);
        EXPECT_EQ(choice.points, e.points);
        EXPECT_DOUBLE_EQ(choice.expected, e.points);
        EXPECT_DOUBLE_EQ(categoryCost(table, p, e.dice, e.category), 0);
    }
}

}  // namespace
