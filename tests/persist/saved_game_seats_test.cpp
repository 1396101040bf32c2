// Computer players and the coach's tallies in the saved game: lines after the designed ones,
// written only when there is something to keep, so a file without them reads as before.

#include <gtest/gtest.h>

#include "engine/computer_turn.h"
#include "persist/saved_game.h"
#include "persist/saved_game_format.h"
#include "persist/temp_folder.h"
#include "support/fakes.h"
#include "support/solver_table.h"

namespace yacht::test {
namespace {

// Two players in round 1, player 2 (a casual computer) with its first throw on the table.
void computersTurn(Game& g)
{
    g.numPlayers = 2;
    g.player = 2;
    g.round = 1;
    g.roll = 1;
    g.state = EngineState::Rolled;
    g.scores[1][1] = g.scores[kTotalRow][1] = 3;
    g.dice = {3, 5, 1, 6, 2};
    g.seats.kind[2] = SeatKind::Casual;
    g.seats.tallied[1] = true;
    g.seats.cost[1] = 2.5;
}

TEST(SavedSeats, WrittenOnlyWithAComputerOrTheCoachAndReadBackWhole)
{
    FakeGame f;
    Game& g = f.y.game;
    computersTurn(g);
    const std::string text = savedGameText(g);
    EXPECT_EQ(text.substr(text.size() - 25), "\r\nhuman\r\ncasual\r\n2500\r\n\r\n");

    SavedGame read;
    ASSERT_TRUE(parseSavedGame(text, false, read));
    ASSERT_TRUE(read.seatsRead);
    EXPECT_EQ(read.seats.kind[2], SeatKind::Casual);
    EXPECT_TRUE(read.seats.tallied[1] && !read.seats.tallied[2]);
    EXPECT_DOUBLE_EQ(read.seats.cost[1], 2.5);

    // People alone, tallied but never asking the coach: the file is as it always was.
    g.seats.kind[2] = SeatKind::Human;
    EXPECT_EQ(savedGameText(g), text.substr(0, text.size() - 25 + 2));
    g.seats.coachAsked = true;
    EXPECT_EQ(savedGameText(g).size(), text.size() - 1);  // "human" in place of "casual"

    // Damaged or cut seat lines leave a game of people that still resumes.
    std::string robot = text;
    robot.replace(robot.find("casual"), 6, "robot!");
    for (const std::string& damaged : {robot, text.substr(0, text.rfind("2500"))}) {
        SavedGame people;
        ASSERT_TRUE(parseSavedGame(damaged, false, people));
        EXPECT_FALSE(people.seatsRead || people.seats.anyComputer());
    }
}

TEST(SavedSeats, AComputersTurnResumesAndTheComputerPlaysOn)
{
    TempFolder folder;
    {
        FakeGame f;
        f.storage.setGameFolder(folder.dir());
        computersTurn(f.y.game);
        f.storage.saveGame(f.y.game);
    }
    FakeGame f;
    HeldTableSource table;
    f.y.advisor.source = &table;
    f.storage.setGameFolder(folder.dir());
    f.y.game.state = EngineState::Startup;
    f.tick();
    ASSERT_TRUE(computerTurn(f.y.game));
    EXPECT_TRUE(f.y.game.seats.tallied[1]);
    for (int i = 0; i < 400 && f.y.game.player == 2; ++i) f.tick();
    EXPECT_EQ(f.y.game.player, 1) << "the computer finished its turn";
    EXPECT_EQ(f.y.game.round, 2);
    EXPECT_TRUE(f.y.game.scores[kTotalRow][2].has_value());
}

}  // namespace
}  // namespace yacht::test
