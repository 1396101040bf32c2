#include "engine/score_sheet.h"

#include <algorithm>

namespace yacht {
namespace {

int16_t clamp16(int value)
{
    return static_cast<int16_t>(std::clamp(value, -32768, 32767));
}

}  // namespace

CardSums cardSums(const Game& g, int player)
{
    CardSums sums;
    if (!isPlayerColumn(player)) return sums;
    const ScoreTable& s = g.scores;
    int total = 0;
    int subtotal = 0;
    for (int row = 1; row <= kCategories; ++row) {
        const int value = s[row][player].value_or(0);
        total += value;
        if (row < 7) subtotal += value;
    }
    if (subtotal >= kBonusThreshold) {
        total += kUpperBonus;
        sums.bonus = true;
    }
    total += s[kBonusRow][player].value_or(0);
    sums.total = clamp16(total);
    sums.subtotal = clamp16(subtotal);
    return sums;
}

void showCard(Game& g, Teller& tell)
{
    // A player number outside the table (never in play) draws a blank card and writes nothing.
    const CardSums sums = cardSums(g, g.player);
    g.total = sums.total;
    g.subtotal = sums.subtotal;
    if (isPlayerColumn(g.player)) g.scores[kTotalRow][g.player] = g.total;
    tell({event::CardShown{.player = g.player, .total = g.total}});
}

void showScoreboard(Teller& tell)
{
    tell({event::ScoreboardShown{}});
}

}  // namespace yacht
