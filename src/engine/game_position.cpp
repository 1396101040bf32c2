#include "engine/game_position.h"

#include <algorithm>
#include <vector>

namespace yacht {

strategy::Position positionOf(const Game& g, int p)
{
    strategy::Position pos;
    if (p < 1 || p > kMaxPlayers) return pos;
    for (int c = 1; c <= kCategories; ++c) {
        const std::string& cell = g.scores[c][p];
        if (cell.empty()) continue;
        pos.filled = static_cast<strategy::FilledMask>(pos.filled | strategy::bitOf(c));
        if (strategy::isUpper(c)) pos.upper += numberOf(cell);
    }
    pos.upper = std::min(pos.upper, kBonusThreshold);
    pos.yachtHolds50 = g.scores[kYachtRow][p] == "50";
    return pos;
}

std::optional<strategy::Dice> diceOnTable(const Yacht& y)
{
    strategy::Dice dice{};
    for (int i = 0; i < kDice; ++i) {
        const std::string& face = y.board.dice[i].caption;
        if (face.size() != 1 || face[0] < '1' || face[0] > '6') return std::nullopt;
        dice[i] = face[0] - '0';
    }
    return dice;
}

void setHeld(Yacht& y, int die, bool hold)
{
    y.game.held[die] = hold ? 1 : 0;
    y.board.H[die].caption = hold ? "HOLD" : "";
}

std::string heldFaces(const strategy::Dice& dice, const std::array<bool, kDice>& hold)
{
    std::vector<int> faces;
    for (int i = 0; i < kDice; ++i)
        if (hold[i]) faces.push_back(dice[i]);
    std::sort(faces.begin(), faces.end());
    std::string out;
    for (int f : faces) out += (out.empty() ? "" : " ") + decimal(f);
    return out;
}

}  // namespace yacht
