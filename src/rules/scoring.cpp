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
    std::array<int, kDice> faces{};
    for (int i = 0; i < kDice; ++i) faces[i] = numberOf(y.board.dice[i].caption);
    const CategoryValues v = priceDice(faces);
    for (int c = 1; c <= kCategories; ++c) y.game.catvalue[c] = v[c];
}

}  // namespace yacht
