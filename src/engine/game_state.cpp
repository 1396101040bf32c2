#include "engine/game_state.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace yacht {

bool isKnownState(int code)
{
    return (code >= 0 && code <= 6) || code == 99;
}

std::string decimal(int value)
{
    return std::to_string(value);
}

std::string cellText(ScoreCell cell)
{
    std::string text;
    drawCell(text, cell);
    return text;
}

void drawCell(std::string& caption, ScoreCell cell)
{
    if (!cell) {
        caption.clear();
        return;
    }
    char digits[8];
    char* const end = std::to_chars(std::begin(digits), std::end(digits), *cell).ptr;
    caption.resize(std::size_t(end - digits));
    std::copy(std::begin(digits), end, caption.begin());
}

std::string faceText(int16_t face)
{
    return face == 0 ? std::string("?") : decimal(face);
}

std::array<int, kDice> facesOf(const Game& game)
{
    std::array<int, kDice> faces{};
    for (int i = 0; i < kDice; ++i) faces[i] = game.dice[i];
    return faces;
}

bool taken(const Game& game, int category)
{
    if (game.player < 1 || game.player > kMaxPlayers) return false;
    if (category < 1 || category > kCategories) return false;
    return game.scores[category][game.player].has_value();
}

ScoreCell totalOf(const Game& g, int p)
{
    if (p < 1 || p > kMaxPlayers) return std::nullopt;
    return g.scores[kTotalRow][p];
}

}  // namespace yacht
