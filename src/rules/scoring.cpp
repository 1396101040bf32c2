#include "rules/scoring.h"

namespace yacht {

const std::array<const char*, kCategories + 1> kCategoryCaptions = {
    "",
    "  Ones",
    "  Twos",
    "  Threes",
    "  Fours",
    "  Fives",
    "  Sixes",
    "  3 of a kind",
    "  4 of a kind",
    "  Full house",
    "  Small straight",
    "  Large straight",
    "  Chance",
    "  Yacht",
};

void getvalue(Yacht& y)
{
    const CategoryValues v = priceDice(facesOf(y.game));
    for (int c = 1; c <= kCategories; ++c) y.game.catvalue[c] = v[c];
}

}  // namespace yacht
