#include "persist/saved_game_support.h"

#include <gtest/gtest.h>

namespace yacht::test {

void arrange(Yacht& y, const Position& p)
{
    Game& g = y.game;
    g.numPlayers = p.numPlayers;
    g.player = p.player;
    g.round = p.round;
    g.state = p.state;
    g.roll = p.roll;
    for (int i = 0; i < kDice; ++i) {
        g.dice[i] = faceOf(p.dice[i][0]);
        g.held[i] = p.held[i];
    }
    for (int q = 1; q <= p.numPlayers; ++q) {
        int total = 0;
        for (int row = 1; row <= p.scored && row <= kCategories; ++row) {
            const int value = (row * 7 + q * 3) % 30;
            g.scores[row][q] = value;
            total += value;
        }
        if (q == 2) {
            g.scores[kBonusRow][q] = 100;
            total += 100;
        }
        if (p.scored > 0) g.scores[kTotalRow][q] = total;
    }
    for (int c = 1; c <= kCategories; ++c) g.categoryValues[c] = static_cast<int16_t>((c * 11) % 51);
}

void expectSameSavedFields(const Yacht& resumed, const Yacht& saved)
{
    const Game& a = resumed.game;
    const Game& b = saved.game;
    EXPECT_EQ(a.numPlayers, b.numPlayers);
    EXPECT_EQ(a.player, b.player);
    EXPECT_EQ(a.round, b.round);
    EXPECT_EQ(a.state, b.state);
    EXPECT_EQ(a.roll, b.roll);
    for (int i = 0; i < kDice; ++i) {
        EXPECT_EQ(a.dice[i], b.dice[i]) << "die " << i;
        EXPECT_EQ(a.held[i], b.held[i]) << "held " << i;
    }
    for (int row = 0; row <= kBonusRow; ++row)
        for (int p = 1; p <= b.numPlayers; ++p)
            EXPECT_EQ(a.scores[row][p], b.scores[row][p]) << "row " << row << " player " << p;
    for (int c = 1; c <= kCategories; ++c) EXPECT_EQ(a.categoryValues[c], b.categoryValues[c]) << "category " << c;
}

namespace {

void expectSameLabel(const Label& a, const Label& b, const std::string& name)
{
    EXPECT_EQ(a.caption, b.caption) << name;
    EXPECT_EQ(a.visible, b.visible) << name;
    EXPECT_EQ(a.backstyle, b.backstyle) << name;
    EXPECT_EQ(a.backcolor, b.backcolor) << name;
    EXPECT_EQ(a.forecolor, b.forecolor) << name;
}

}  // namespace

void expectSameBoard(const Board& resumed, const Board& saved)
{
    for (int i = 0; i < kDice; ++i) {
        expectSameLabel(resumed.dice[i], saved.dice[i], "dice " + std::to_string(i));
        expectSameLabel(resumed.holdMarks[i], saved.holdMarks[i], "holdMarks " + std::to_string(i));
    }
    for (int r = 0; r < 15; ++r) {
        expectSameLabel(resumed.sheetValues[r], saved.sheetValues[r], "sheetValues " + std::to_string(r));
        expectSameLabel(resumed.sheetCaptions[r], saved.sheetCaptions[r], "sheetCaptions " + std::to_string(r));
    }
    for (int i = 0; i < 9; ++i)
        expectSameLabel(resumed.sidePanel[i], saved.sidePanel[i], "sidePanel " + std::to_string(i));
    expectSameLabel(resumed.statusBox, saved.statusBox, "statusBox");
    EXPECT_EQ(resumed.bonusPlaque.visible, saved.bonusPlaque.visible);
}

void expectUntouched(const Yacht& y)
{
    const Game& g = y.game;
    EXPECT_EQ(g.state, EngineState::Idle);
    EXPECT_EQ(g.numPlayers, 0);
    EXPECT_EQ(g.player, 0);
    EXPECT_EQ(g.round, 0);
    EXPECT_EQ(g.roll, 0);
    EXPECT_EQ(y.toBeHeard, queued(""));
    const Board shown = shownBoard(y);
    for (int i = 0; i < kDice; ++i) {
        EXPECT_EQ(shown.dice[i].caption, "?");
        EXPECT_EQ(shown.holdMarks[i].caption, "");
        EXPECT_EQ(g.dice[i], 0);
        EXPECT_EQ(g.held[i], 0);
    }
    for (const auto& row : g.scores)
        for (const auto& cell : row) EXPECT_EQ(cell, std::nullopt);
    for (int c = 1; c <= kCategories; ++c) EXPECT_EQ(g.categoryValues[c], 0);
}

}  // namespace yacht::test
