// The state key's one line and the sheet key's lines, from the game as it stands.

#include <gtest/gtest.h>

#include <algorithm>

#include "terminal/state_report.h"

namespace yacht {
namespace {

Game turn(EngineState state, int players)
{
    Game g;
    g.state = state;
    g.numPlayers = static_cast<int16_t>(players);
    g.player = 2 <= players ? 2 : 1;
    g.round = 3;
    g.roll = 2;
    g.dice = {3, 5, 5, 2, 6};
    g.held = {0, 1, 1, 0, 0};
    return g;
}

TEST(StateLine, SaysTheTurnTheDiceAndTheRowUnderTheCursorInOneLine)
{
    Game choosing = turn(EngineState::Choosing, 2);
    choosing.categoryCursor = 2;
    choosing.categoryValues[2] = 2;
    Game taken = choosing;
    taken.scores[2][2] = 4;
    Game waiting = turn(EngineState::WaitSpace, 1);
    waiting.dice = {0, 0, 0, 0, 0};
    waiting.held = {};
    Game players;
    players.state = EngineState::Players;
    players.numPlayers = 3;
    struct Case {
        const char* what;
        Game game;
        std::string line;
    };
    const Case cases[] = {
        {"alone, dice on the table", turn(EngineState::Rolled, 1), "round 3, roll 2: 3 5* 5* 2 6"},
        {"several, choosing", choosing, "player 2, round 3, roll 2: 3 5* 5* 2 6; Twos 2"},
        {"a taken row", taken, "player 2, round 3, roll 2: 3 5* 5* 2 6; Twos taken"},
        {"waiting for the space bar", waiting, "round 3, roll 2: ? ? ? ? ?; space to go on"},
        {"choosing the players", players, "choosing players: 3"},
        {"no game", Game{}, "no game: F9 new game, F1 help"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(stateLine(c.game), c.line) << c.what;
        EXPECT_LE(stateLine(c.game).size(), 80u) << c.what;
    }
}

TEST(SheetLines, ListTheCardTheWindowShowsARowALine)
{
    Game g = turn(EngineState::Rolled, 1);
    g.scores[1][1] = 3;
    g.scores[13][1] = 50;
    ViewFacts card;
    card.sheet = Sheet::Card;
    card.cardPlayer = 1;
    card.cardDrawn = true;
    const std::vector<std::string> lines = sheetLines(g, card);
    ASSERT_GE(lines.size(), 14u);
    EXPECT_EQ(lines.front(), "Score Sheet");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Ones: 3"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Yacht: 50"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Twos"), lines.end());
    for (const std::string& line : lines) {
        EXPECT_FALSE(line.empty());
        EXPECT_NE(line.front(), ' ') << line;
    }
}

}  // namespace
}  // namespace yacht
