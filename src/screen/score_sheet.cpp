#include "screen/score_sheet.h"

#include <algorithm>

namespace yacht {
namespace {

int16_t clamp16(int value)
{
    return static_cast<int16_t>(std::clamp(value, -32768, 32767));
}

}  // namespace

bool isPlayerColumn(int p)
{
    return p >= 1 && p <= kMaxPlayers;
}

void getcard(Yacht& y)
{
    Game& g = y.game;
    Board& b = y.board;
    // A player number outside the table (never in play) draws a blank card and writes nothing.
    static const ScoreTable blank{};
    const bool valid = isPlayerColumn(g.player);
    const ScoreTable& s = valid ? g.scores : blank;
    const int col = valid ? g.player : 1;

    int total = 0;
    int subtotal = 0;
    b.imgBonus.visible = false;
    b.x[0].caption = "Score Sheet";
    for (int row = 1; row <= kCategories; ++row) b.Y[row].caption = kCategoryCaptions[row];
    for (int row = 1; row <= kCategories; ++row) {
        drawCell(b.x[row].caption, s[row][col]);
        b.Y[row].backstyle = BackStyle::Transparent;
        const int value = s[row][col].value_or(0);
        total += value;
        if (row < 7) subtotal += value;
        b.Y[row].visible = true;
        b.x[row].visible = true;
    }
    if (subtotal >= kBonusThreshold) {
        total += kUpperBonus;
        b.imgBonus.visible = true;
    }
    total += s[kBonusRow][col].value_or(0);

    g.total = clamp16(total);
    g.subtotal = clamp16(subtotal);
    if (valid) g.scores[kTotalRow][col] = g.total;
    b.lblSide[1].caption = "Player " + decimal(g.player);
    b.lblSide[2].caption = decimal(g.total);
    b.Y[14].caption = "Subtotal: ";
    b.Y[14].visible = true;
    b.x[14].caption = decimal(g.subtotal);
    b.x[14].visible = true;
}

void scoreboard(Yacht& y)
{
    const Game& g = y.game;
    Board& b = y.board;
    for (int row = 1; row <= kCategories; ++row) {
        // Rows beyond the last column of the table stay blank even if numplayers says more.
        const bool filled = row <= g.numplayers && isPlayerColumn(row);
        b.Y[row].caption = filled ? "  Player " + decimal(row) : std::string();
        drawCell(b.x[row].caption, filled ? g.scores[kTotalRow][row] : ScoreCell());
        b.Y[row].backstyle = BackStyle::Transparent;
    }
    b.x[14].visible = false;
    b.imgBonus.visible = false;
}

}  // namespace yacht
