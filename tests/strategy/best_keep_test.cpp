// The solver's keeps against a brute force over every hold of the five dice and every way the
// thrown dice can fall, on small tables (a few categories left to fill).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>
#include <random>

#include "strategy/advice.h"
#include "strategy/value_table.h"

namespace {

using namespace yacht;
using namespace yacht::strategy;

// Optimal play within one turn, worked out the long way, under the game's rules.
class BruteForce {
public:
    BruteForce(const ValueTable& table, const Position& p) : table_(table), p_(p) {}

    double score(const Dice& dice)
    {
        double& known = memo_[keyOf(dice, 0)];
        if (!std::isnan(known)) return known;
        double best = -1e9;
        const CategoryValues prices = priceDice(dice);
        for (int c = 1; c <= category::Count; ++c)
            if (p_.isFree(c))
                best = std::max(best, pointsNow(p_, c, prices[c]) + table_.at(afterScoring(p_, c, prices[c])));
        return known = best;
    }

    // After a throw: a Yacht or the last throw ends the throwing; otherwise the best hold.
    double afterThrow(const Dice& dice, int throwsLeft)
    {
        if (throwsLeft == 0 || isYacht(dice)) return score(dice);
        double& known = memo_[keyOf(dice, throwsLeft)];
        if (!std::isnan(known)) return known;
        double best = -1e9;
        for (int holds = 0; holds < 32; ++holds) best = std::max(best, hold(dice, holds, throwsLeft));
        return known = best;
    }

    // Holding the dice of these bits: all five stop the throwing; otherwise the rest are thrown.
    double hold(const Dice& dice, int holds, int throwsLeft)
    {
        if (holds == 31) return score(dice);
        std::vector<int> thrown;
        for (int i = 0; i < kDiceThrown; ++i)
            if (!(holds & (1 << i))) thrown.push_back(i);
        int outcomes = 1;
        for (std::size_t i = 0; i < thrown.size(); ++i) outcomes *= 6;
        double sum = 0;
        for (int o = 0; o < outcomes; ++o) {
            Dice next = dice;
            for (int i = 0, rest = o; i < static_cast<int>(thrown.size()); ++i, rest /= 6) next[thrown[i]] = rest % 6 + 1;
            const bool bonus = isYacht(next) && p_.yachtHolds50 && !p_.isFree(category::Yacht);
            sum += afterThrow(next, throwsLeft - 1) + (bonus ? kYachtBonus : 0);
        }
        return sum / outcomes;
    }

    static bool isYacht(const Dice& d) { return std::all_of(d.begin(), d.end(), [&](int f) { return f == d[0]; }); }

private:
    // The dice in ascending order as a number in base 7, per throws to come.
    static std::size_t keyOf(Dice dice, int throwsLeft)
    {
        std::sort(dice.begin(), dice.end());
        std::size_t key = static_cast<std::size_t>(throwsLeft);
        for (int f : dice) key = key * 7 + static_cast<std::size_t>(f);
        return key;
    }

    const ValueTable& table_;
    Position p_;
    std::vector<double> memo_ = std::vector<double>(3 * 16807, std::nan(""));
};

int holdBits(const KeepChoice& keep)
{
    int bits = 0;
    for (int i = 0; i < kDiceThrown; ++i)
        if (keep.hold[i]) bits |= 1 << i;
    return bits;
}

TEST(BestKeep, MatchesTheBruteForceForRandomDiceOnSmallTables)
{
    std::mt19937 random(14);
    for (int round = 0; round < 3; ++round) {
        // Three free categories, the Yacht row's state and the upper subtotal drawn at random.
        FilledMask filled = kAllFilled;
        while (std::popcount(static_cast<unsigned>(filled)) > category::Count - 3)
            filled = static_cast<FilledMask>(filled & ~bitOf(static_cast<int>(random() % 13) + 1));
        const bool yachtFilled = (filled & bitOf(category::Yacht)) != 0;
        const Position p{filled, static_cast<int>(random() % 64), yachtFilled && random() % 2 == 0};
        SCOPED_TRACE(testing::Message() << "filled " << filled << " upper " << p.upper << " yacht50 " << p.yachtHolds50);
        const ValueTable table = buildValueTable(2, filled);
        const TurnPlan plan(table, p);
        BruteForce brute(table, p);
        for (int sample = 0; sample < 5; ++sample) {
            Dice dice;
            for (int& f : dice) f = static_cast<int>(random() % 6) + 1;
            for (int throwsLeft : {1, 2}) {
                SCOPED_TRACE(testing::Message() << dice[0] << dice[1] << dice[2] << dice[3] << dice[4] << " left " << throwsLeft);
                const KeepChoice keep = bestKeep(plan, dice, throwsLeft);
                const double best = brute.afterThrow(dice, throwsLeft);
                EXPECT_NEAR(keep.expected, best, 1e-9);
                if (!BruteForce::isYacht(dice)) {
                    EXPECT_NEAR(brute.hold(dice, holdBits(keep), throwsLeft), best, 1e-9);
                }
            }
            const CategoryChoice choice = bestCategory(plan, dice);
            EXPECT_NEAR(choice.expected, brute.score(dice), 1e-9);
        }
        // The start of the turn: the table's value is the brute force over the first throw.
        double start = 0;
        for (int o = 0; o < 7776; ++o) {
            Dice dice;
            for (int i = 0, rest = o; i < kDiceThrown; ++i, rest /= 6) dice[i] = rest % 6 + 1;
            const bool bonus = BruteForce::isYacht(dice) && p.yachtHolds50;
            start += brute.afterThrow(dice, 2) + (bonus ? kYachtBonus : 0);
        }
        EXPECT_NEAR(table.at(p), start / 7776, 1e-9);
    }
}

TEST(BestKeep, TheTableIsTheSameOnOneThreadAndOnTwo)
{
    const FilledMask base = static_cast<FilledMask>(bitOf(2) | bitOf(5) | bitOf(7) | bitOf(8) | bitOf(9) |
                                                    bitOf(10) | bitOf(11) | bitOf(12));
    const ValueTable one = buildValueTable(1, base);
    const ValueTable two = buildValueTable(2, base);
    for (FilledMask m = 0; m <= kAllFilled; ++m)
        if ((m & base) == base) {
            for (int u = 0; u < kUpperLevels; ++u)
                for (bool flag : {false, true}) ASSERT_EQ(one.at({m, u, flag}), two.at({m, u, flag}));
        }
}

}  // namespace
