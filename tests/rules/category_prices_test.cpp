#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "engine/rolling.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

using Faces = std::array<int, 5>;

// The worth of every category worked out from how many dice show each face, written without
// the face letters the game uses, so the two formulations check each other.
CategoryValues byCounts(const Faces& dice)
{
    std::array<int, 7> count{};
    int sum = 0;
    for (int d : dice) {
        ++count[d];
        sum += d;
    }
    const int most = *std::max_element(count.begin() + 1, count.end());
    std::vector<int> shapes;
    for (int f = 1; f <= 6; ++f)
        if (count[f] > 0) shapes.push_back(count[f]);
    std::sort(shapes.begin(), shapes.end());
    const auto run = [&](int from, int length) {
        for (int f = from; f < from + length; ++f)
            if (count[f] == 0) return false;
        return true;
    };

    CategoryValues v{};
    for (int f = 1; f <= 6; ++f) v[f] = int16_t(f * count[f]);
    v[7] = int16_t(most >= 3 ? sum : 0);
    v[8] = int16_t(most >= 4 ? sum : 0);
    v[9] = int16_t(shapes == std::vector<int>{2, 3} ? 25 : 0);
    v[10] = int16_t(run(1, 4) || run(2, 4) || run(3, 4) ? 30 : 0);
    v[11] = int16_t(run(1, 5) || run(2, 5) ? 40 : 0);
    v[12] = int16_t(sum);
    v[13] = int16_t(most == 5 ? 50 : 0);
    return v;
}

void showDice(Yacht& y, const Faces& dice)
{
    for (int i = 0; i < 5; ++i) y.game.dice[i] = static_cast<int16_t>(dice[i]);
}

}  // namespace

TEST(CategoryPrices, EveryThrowOfFiveDicePricesEveryCategoryAsTheCountsSay)
{
    FakeGame f;
    int throws = 0;
    Faces dice{};
    for (int n = 0; n < 7776; ++n) {
        for (int i = 0, rest = n; i < 5; ++i, rest /= 6) dice[i] = rest % 6 + 1;
        showDice(f.y, dice);
        f.y.game.categoryValues.fill(-1);
        priceCategories(f.y.game);
        const CategoryValues want = byCounts(dice);
        for (int c = 1; c <= 13; ++c) {
            ASSERT_EQ(f.y.game.categoryValues[c], want[c])
                << "category " << c << " dice " << dice[0] << dice[1] << dice[2] << dice[3]
                << dice[4];
        }
        ++throws;
    }
    EXPECT_EQ(throws, 7776);
}

TEST(CategoryPrices, TheListedThrowsPriceAsTheTableSays)
{
    struct Row {
        Faces dice;
        //        1s 2s 3s 4s 5s 6s 3k  4k  FH  SS  LS  Ch  Y
        std::array<int, 13> worth;
    };
    const Row table[] = {
        {{1, 1, 1, 1, 1}, {5, 0, 0, 0, 0, 0, 5, 5, 0, 0, 0, 5, 50}},
        {{2, 2, 3, 3, 3}, {0, 4, 9, 0, 0, 0, 13, 0, 25, 0, 0, 13, 0}},
        {{6, 6, 6, 6, 1}, {1, 0, 0, 0, 0, 24, 25, 25, 0, 0, 0, 25, 0}},
        {{1, 2, 3, 4, 6}, {1, 2, 3, 4, 0, 6, 0, 0, 0, 30, 0, 16, 0}},
        {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5, 0, 0, 0, 0, 30, 40, 15, 0}},
        {{2, 3, 4, 5, 6}, {0, 2, 3, 4, 5, 6, 0, 0, 0, 30, 40, 20, 0}},
        {{5, 4, 3, 2, 1}, {1, 2, 3, 4, 5, 0, 0, 0, 0, 30, 40, 15, 0}},
        {{1, 3, 4, 5, 6}, {1, 0, 3, 4, 5, 6, 0, 0, 0, 30, 0, 19, 0}},
        {{1, 2, 2, 4, 5}, {1, 4, 0, 4, 5, 0, 0, 0, 0, 0, 0, 14, 0}},
        {{3, 1, 4, 1, 2}, {2, 2, 3, 4, 0, 0, 0, 0, 0, 30, 0, 11, 0}},
        {{6, 6, 6, 6, 6}, {0, 0, 0, 0, 0, 30, 30, 30, 0, 0, 0, 30, 50}},
    };
    FakeGame f;
    for (const Row& row : table) {
        showDice(f.y, row.dice);
        priceCategories(f.y.game);
        for (int c = 1; c <= 13; ++c)
            EXPECT_EQ(f.y.game.categoryValues[c], row.worth[c - 1])
                << "category " << c << " dice " << row.dice[0] << row.dice[1] << row.dice[2]
                << row.dice[3] << row.dice[4];
    }
}

TEST(CategoryPrices, DiceStillShowingQuestionMarksAreNoYacht)
{
    FakeGame f;
    priceCategories(f.y.game);  // a fresh game has no face on any die
    EXPECT_EQ(f.y.game.categoryValues[13], 0);
    EXPECT_EQ(f.y.game.categoryValues[12], 0);
}

}  // namespace yacht::test
