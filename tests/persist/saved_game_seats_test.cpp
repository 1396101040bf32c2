// The computer players and the coach's tallies in the saved game: lines after the designed ones,
// written only when there is something to keep, so a file without them reads as before.

#include <gtest/gtest.h>

#include <string>

#include "engine/computer_turn.h"
#include "engine/key_codes.h"
#include "persist/saved_game.h"
#include "persist/saved_game_format.h"
#include "persist/temp_folder.h"
#include "support/fakes.h"
#include "support/solver_table.h"

namespace yacht::test {
namespace {

int lineCount(const std::string& text)
{
    int n = 0;
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2) ++n;
    return n;
}

// A two-player game, player 2 the computer's, in player 2's first turn with the dice on the table.
void computersTurn(FakeGame& f)
{
    Game& g = f.y.game;
    g.numplayers = 2;
    g.player = 2;
    g.round = 1;
    g.roll = 1;
    g.state = EngineState::Rolled;
    g.scores[1][1] = "3";
    g.scores[kTotalRow][1] = "3";
    g.seats.kind[2] = SeatKind::Casual;
    g.seats.tallied[1] = true;
    g.seats.cost[1] = 2.5;
    const std::string faces = "35162";
    for (int i = 0; i < kDice; ++i) f.y.board.dice[i].caption = faces.substr(i, 1);
}

TEST(SavedSeats, OnlyAGameWithAComputerOrATallyWritesTheSeatLines)
{
    FakeGame f;
    computersTurn(f);
    const std::string withSeats = savedGameText(f.y.game, f.y.board);
    EXPECT_EQ(lineCount(withSeats), 58 + 4);
    EXPECT_NE(withSeats.find("\r\nhuman\r\ncasual\r\n2500\r\n\r\n"), std::string::npos);

    SavedGame read;
    ASSERT_TRUE(parseSavedGame(withSeats, false, read));
    ASSERT_TRUE(read.seatsRead);
    EXPECT_EQ(read.seats.kind[2], SeatKind::Casual);
    EXPECT_TRUE(read.seats.tallied[1]);
    EXPECT_FALSE(read.seats.tallied[2]);
    EXPECT_DOUBLE_EQ(read.seats.cost[1], 2.5);

    // People alone, tallied but never asking the coach: the file is as it always was.
    f.y.game.seats.kind[2] = SeatKind::Human;
    const std::string people = savedGameText(f.y.game, f.y.board);
    EXPECT_EQ(lineCount(people), 58);
    EXPECT_EQ(people, withSeats.substr(0, people.size()));
    f.y.game.seats.coachAsked = true;
    EXPECT_EQ(lineCount(savedGameText(f.y.game, f.y.board)), 58 + 4);
}

TEST(SavedSeats, DamagedOrMissingSeatLinesLeaveAGameOfPeople)
{
    FakeGame f;
    computersTurn(f);
    const std::string text = savedGameText(f.y.game, f.y.board);
    std::string robot = text;
    robot.replace(robot.find("casual"), 6, "robot!");
    std::string cut = text.substr(0, text.rfind("2500"));
    for (const std::string& damaged : {robot, cut}) {
        SavedGame read;
        ASSERT_TRUE(parseSavedGame(damaged, false, read)) << "the designed lines are sound";
        EXPECT_FALSE(read.seatsRead);
        EXPECT_FALSE(read.seats.anyComputer());
    }
}

TEST(SavedSeats, AComputersTurnResumesAndTheComputerPlaysOn)
{
    TempFolder folder;
    {
        FakeGame f;
        f.y.game.savedir = folder.dir();
        computersTurn(f);
        savegame(f.y);
    }
    FakeGame f;
    HeldTableSource table;
    f.y.advisor.source = &table;
    f.y.game.savedir = folder.dir();
    f.y.game.state = EngineState::Startup;
    f.tick();
    ASSERT_EQ(f.y.game.state, EngineState::Rolled);
    EXPECT_TRUE(computerTurn(f.y.game));
    EXPECT_TRUE(f.y.game.seats.tallied[1]);
    for (int i = 0; i < 400 && f.y.game.player == 2; ++i) f.tick();
    EXPECT_EQ(f.y.game.player, 1) << "the computer finished its turn";
    EXPECT_EQ(f.y.game.round, 2);
    EXPECT_FALSE(f.y.game.scores[kTotalRow][2].empty());
}

}  // namespace
}  // namespace yacht::test
