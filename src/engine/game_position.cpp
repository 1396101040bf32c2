#include "engine/game_position.h"

#include <algorithm>
#include <vector>

namespace yacht {

strategy::Position positionOf(const Game& g, int p)
{
    strategy::Position pos;
    if (p < 1 || p > kMaxPlayers) return pos;
    for (int c = 1; c <= kCategories; ++c) {
        const ScoreCell cell = g.scores[c][p];
        if (!cell) continue;
        pos.filled = static_cast<strategy::FilledMask>(pos.filled | strategy::bitOf(c));
        if (strategy::isUpper(c)) pos.upper += *cell;
    }
    pos.upper = std::min(pos.upper, kBonusThreshold);
    pos.yachtHolds50 = g.scores[kYachtRow][p] == 50;
    return pos;
}

std::optional<strategy::Dice> diceOnTable(const Game& g)
{
    const strategy::Dice dice = facesOf(g);
    for (int face : dice)
        if (face < 1 || face > 6) return std::nullopt;
    return dice;
}

std::vector<int> heldFaces(const strategy::Dice& dice, const std::array<bool, kDice>& hold)
{
    std::vector<int> faces;
    for (int i = 0; i < kDice; ++i)
        if (hold[i]) faces.push_back(dice[i]);
    std::sort(faces.begin(), faces.end());
    return faces;
}

}  // namespace yacht
