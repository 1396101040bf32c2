#pragma once
// Helpers that drive one player's turn through the tick: open the turn, let the queue be said,
// and check that the board's captions are in step with the game state.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/key_codes.h"
#include "engine/score_sheet.h"
#include "support/fakes.h"

namespace yacht::test {

// Makes player 1 of a one-player game current in round 1, waiting for the space bar, with the
// player's scores (as already set in the table) copied onto the card.
inline void waitForTurn(FakeGame& f)
{
    Game& g = f.y.game;
    g.numPlayers = 1;
    g.player = 1;
    g.round = 1;
    g.roll = 0;
    g.state = EngineState::WaitSpace;
}

// Opens the turn with the space bar: the announcement is handed to the voice, the rolling sound
// is queued and the first throw is pending.
inline void openTurn(FakeGame& f)
{
    waitForTurn(f);
    f.press(keys::Space);
}

// Ticks without keys until the queue has been handed out and no throw is pending; returns every
// item the pump took, sounds included, in order. Runs at least one tick.
inline std::vector<std::string> drain(FakeGame& f, int maxTicks = 100)
{
    std::vector<std::string> heard;
    for (int i = 0; i < maxTicks; ++i) {
        f.y.toBeHeard.lastHeard.clear();
        f.tick();
        if (!f.y.toBeHeard.lastHeard.empty()) heard.push_back(f.y.toBeHeard.lastHeard);
        if (f.y.toBeHeard.empty() && !f.voice.busy() && f.y.game.state != EngineState::Rolling)
            break;
    }
    return heard;
}

// Presses a key and lets everything it queued be said.
inline std::vector<std::string> pressAndDrain(FakeGame& f, int code, int modifier = 0)
{
    f.y.toBeHeard.lastHeard.clear();
    f.press(code, modifier);
    std::vector<std::string> heard;
    if (!f.y.toBeHeard.lastHeard.empty()) heard.push_back(f.y.toBeHeard.lastHeard);
    for (const std::string& s : drain(f)) heard.push_back(s);
    return heard;
}

// The board shows what the game state holds: HOLD marks, dice faces, the card and the side panel.
inline void expectBoardInStep(const FakeGame& f, const std::string& where)
{
    const Game& g = f.y.game;
    const Board b = f.shown();
    for (int i = 0; i < kDice; ++i) {
        EXPECT_EQ(b.holdMarks[i].caption, g.held[i] == 1 ? "HOLD" : "") << where << " die " << i;
        const std::string& face = b.dice[i].caption;
        EXPECT_TRUE(face == "?" || (face.size() == 1 && face[0] >= '1' && face[0] <= '6'))
            << where << " die " << i << " shows " << face;
        EXPECT_FALSE(g.held[i] == 1 && g.dice[i] == 0) << where << " held die " << i << " unthrown";
    }
    for (int r = 1; r <= kCategories; ++r)
        EXPECT_EQ(b.sheetValues[r].caption, cellText(g.scores[r][g.player])) << where << " row " << r;
    EXPECT_EQ(b.sidePanel[1].caption, "Player " + decimal(g.player)) << where;
    EXPECT_EQ(b.sidePanel[2].caption, decimal(g.total)) << where;
}

}  // namespace yacht::test
