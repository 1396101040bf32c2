#include <gtest/gtest.h>

#include <filesystem>

#include "engine/key_codes.h"
#include "engine/key_input.h"
#include "engine/tick.h"
#include "persist/saved_game.h"
#include "persist/saved_game_format.h"
#include "persist/saved_game_support.h"
#include "persist/temp_folder.h"
#include "engine/score_sheet.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

const std::string kResuming =
    "Resuming an unfinished game, press function key F 9 if you prefer to start a new game. ";
const std::string kWelcomeBack =
    "Yacht, from Tevrin Software. Resuming an unfinished game. "
    " Press the space bar to continue or press function key F 9 if you prefer to start a new game. ";

// A fresh game at its first tick (state already 0), keeping its saved game in `folder`.
struct Resumer {
    explicit Resumer(const TempFolder& folder) { f.storage.setGameFolder(folder.dir()); }
    FakeGame f;
    Yacht& resume()
    {
        resumeSavedGame(f.y.ports.storage, f.y.game, f.y.tell);
        return f.y;
    }
};

void saveAt(const TempFolder& folder, const Position& p)
{
    FakeGame f;
    f.storage.setGameFolder(folder.dir());
    arrange(f.y, p);
    f.storage.saveGame(f.y.game);
}

TEST(SavedGameFile, HoldsOneValuePerLineWithEmptyLinesForEmptyCells)
{
    FakeGame f;
    Position p;
    p.round = 2;
    p.scored = 1;
    arrange(f.y, p);
    const std::string text = savedGameText(f.y.game);

    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
    ASSERT_EQ(lines.size(), 28u + 15u * 2u);
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);

    const std::vector<std::string> head{"2", "1", "2", "1", "2", "3", "0", "5", "1",
                                        "1", "0", "6", "0", "2", "0"};
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 15), head);
    // Row 0 (totals) for players 1 and 2, then row 1, then the empty rows 2..13, then row 14.
    EXPECT_EQ(lines[15], "10");
    EXPECT_EQ(lines[16], "113");
    EXPECT_EQ(lines[17], "10");
    EXPECT_EQ(lines[18], "13");
    for (std::size_t i = 19; i < 19 + 24; ++i) EXPECT_EQ(lines[i], "") << "line " << i;
    EXPECT_EQ(lines[43], "");
    EXPECT_EQ(lines[44], "100");
    EXPECT_EQ(lines[45], "11");  // category 1
    EXPECT_EQ(lines[57], "41");  // category 13
}

struct RoundTrip {
    const char* name;
    Position saved;
    Position expected;  // the position the game goes on from
};

Position position(EngineState state, int16_t roll, std::array<std::string, 5> dice,
                  std::array<int16_t, 5> held, int16_t player = 1, int16_t round = 3,
                  int16_t numPlayers = 2)
{
    Position p;
    p.state = state;
    p.roll = roll;
    p.dice = dice;
    p.held = held;
    p.player = player;
    p.round = round;
    p.numPlayers = numPlayers;
    return p;
}

const std::array<std::string, 5> kUnthrown{"?", "?", "?", "?", "?"};
const std::array<int16_t, 5> kNoneHeld{0, 0, 0, 0, 0};

void PrintTo(const RoundTrip& c, std::ostream* os) { *os << c.name; }

class SaveAndResume : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(SaveAndResume, GoesOnFromTheSavedPosition)
{
    const RoundTrip& c = GetParam();
    TempFolder folder;
    saveAt(folder, c.saved);
    Resumer r(folder);
    const Yacht& resumed = r.resume();

    FakeGame expected;
    arrange(expected.y, c.expected);
    expectSameSavedFields(resumed, expected.y);
    // Only the other players' columns are in the file; columns beyond the players stay empty.
    if (c.saved.numPlayers < kMaxPlayers) {
        for (int row = 0; row <= kBonusRow; ++row)
            EXPECT_EQ(resumed.game.scores[row][c.saved.numPlayers + 1], std::nullopt);
    }
    // A turn under way is shown as the game showed it: the current player's card on the sheet.
    const EngineState before = c.saved.state;
    if (before != EngineState::Idle && before != EngineState::Players && before != EngineState::TurnEnd)
        showCard(expected.y.game, expected.y.tell);
    expectSameBoard(shownBoard(resumed), expected.shown());
    EXPECT_EQ(resumed.game.total, expected.y.game.total);
    EXPECT_EQ(resumed.game.subtotal, expected.y.game.subtotal);
}

INSTANTIATE_TEST_SUITE_P(
    EveryState, SaveAndResume,
    ::testing::Values(
        RoundTrip{"Idle", position(EngineState::Idle, 0, {"4", "4", "2", "4", "6"}, {1, 0, 0, 1, 0}, 2, 0),
                  position(EngineState::Idle, 0, {"4", "4", "2", "4", "6"}, {1, 0, 0, 1, 0}, 2, 0)},
        RoundTrip{"Rolled", position(EngineState::Rolled, 2, {"3", "5", "1", "6", "2"}, {0, 1, 0, 0, 0}),
                  position(EngineState::Rolled, 2, {"3", "5", "1", "6", "2"}, {0, 1, 0, 0, 0})},
        RoundTrip{"Choosing", position(EngineState::Choosing, 3, {"2", "2", "2", "5", "5"}, {1, 1, 1, 0, 0}, 2),
                  position(EngineState::Choosing, 3, {"2", "2", "2", "5", "5"}, {1, 1, 1, 0, 0}, 2)},
        RoundTrip{"Rolling", position(EngineState::Rolling, 2, {"6", "?", "6", "?", "?"}, {1, 0, 1, 0, 0}),
                  position(EngineState::Rolling, 2, {"6", "?", "6", "?", "?"}, {1, 0, 1, 0, 0})},
        RoundTrip{"Players", position(EngineState::Players, 2, kUnthrown, kNoneHeld, 0, 1, 0),
                  position(EngineState::Idle, 2, kUnthrown, kNoneHeld, 0, 1, 0)},
        RoundTrip{"TurnEnd", position(EngineState::TurnEnd, 0, {"1", "1", "3", "4", "5"}, {1, 1, 0, 0, 0}, 1, 3),
                  position(EngineState::WaitSpace, 0, kUnthrown, kNoneHeld, 2, 3)},
        RoundTrip{"TurnEndLastPlayer", position(EngineState::TurnEnd, 0, {"1", "1", "3", "4", "5"}, kNoneHeld, 2, 3),
                  position(EngineState::WaitSpace, 0, kUnthrown, kNoneHeld, 1, 4)},
        RoundTrip{"WaitSpace", position(EngineState::WaitSpace, 3, kUnthrown, kNoneHeld, 2, 5),
                  position(EngineState::WaitSpace, 3, kUnthrown, kNoneHeld, 2, 5)},
        RoundTrip{"EightPlayers", position(EngineState::Rolled, 1, {"1", "2", "3", "4", "5"}, kNoneHeld, 8, 13, 8),
                  position(EngineState::Rolled, 1, {"1", "2", "3", "4", "5"}, kNoneHeld, 8, 13, 8)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SaveAndResume, SavingTheResumedGameGivesTheSameFile)
{
    TempFolder folder;
    saveAt(folder, position(EngineState::Rolled, 2, {"3", "5", "1", "6", "2"}, {0, 1, 0, 1, 0}, 2, 9));
    const std::string first = readText(folder.file(kSavedGameName));
    Resumer r(folder);
    writeSavedGame(folder.dir(), r.resume().game);
    EXPECT_EQ(readText(folder.file(kSavedGameName)), first);
}

// The announcements of a resumed game, exactly as queued.
struct Announcement {
    const char* name;
    Position saved;
    std::string speechQueue;
    EngineState state;
};

void PrintTo(const Announcement& c, std::ostream* os) { *os << c.name; }

class ResumedAnnouncement : public ::testing::TestWithParam<Announcement> {};

TEST_P(ResumedAnnouncement, IsQueuedExactly)
{
    const Announcement& c = GetParam();
    TempFolder folder;
    saveAt(folder, c.saved);
    Resumer r(folder);
    const Yacht& y = r.resume();
    EXPECT_EQ(y.toBeHeard, queued(c.speechQueue));
    EXPECT_EQ(y.game.state, c.state);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResumedAnnouncement,
    ::testing::Values(
        Announcement{"RolledSecondRollOfPlayerThreeOfFour",
                     position(EngineState::Rolled, 2, {"4", "4", "2", "4", "6"}, {0, 1, 0, 1, 0}, 3, 7, 4),
                     "\t" + kResuming + "\tround 7, player 3 second roll 4 2 6", EngineState::Rolled},
        Announcement{"RolledWithOnePlayer",
                     position(EngineState::Rolled, 2, {"4", "4", "2", "4", "6"}, {0, 1, 0, 1, 0}, 1, 7, 1),
                     "\t" + kResuming + "\tround 7 second roll 4 2 6", EngineState::Rolled},
        Announcement{"RollingFirstRollPlaysTheDiceSound",
                     position(EngineState::Rolling, 1, kUnthrown, kNoneHeld, 1, 2, 1),
                     "\t" + kResuming + "\tround 2 first roll\trolldice", EngineState::Rolling},
        Announcement{"RollingWithFirstDieHeldStillPlaysTheDiceSound",
                     position(EngineState::Rolling, 3, {"5", "?", "5", "?", "?"}, {1, 0, 1, 0, 0}, 1, 4, 1),
                     "\t" + kResuming + "\tround 4 final roll\trolldice", EngineState::Rolling},
        Announcement{"ChoosingReadsTheDiceThrownLast",
                     position(EngineState::Choosing, 3, {"2", "3", "4", "5", "6"}, {1, 1, 1, 1, 0}, 2, 11, 2),
                     "\t" + kResuming + "\tround 11, player 2 final roll 6", EngineState::Choosing},
        Announcement{"TurnEndOfLastPlayerGoesToNextRound",
                     position(EngineState::TurnEnd, 0, {"1", "2", "3", "4", "5"}, kNoneHeld, 2, 4, 2),
                     kWelcomeBack, EngineState::WaitSpace},
        Announcement{"TurnEndOfLastRoundEndsTheGameSilently",
                     position(EngineState::TurnEnd, 0, {"1", "2", "3", "4", "5"}, kNoneHeld, 2, 13, 2),
                     "", EngineState::Idle},
        Announcement{"WaitSpaceHearsOnlyTheWelcomeBack",
                     position(EngineState::WaitSpace, 1, kUnthrown, kNoneHeld, 1, 6, 3),
                     kWelcomeBack, EngineState::WaitSpace},
        Announcement{"PlayersBecomesNoGame", position(EngineState::Players, 0, kUnthrown, kNoneHeld, 0, 1, 0),
                     "", EngineState::Idle},
        Announcement{"IdleSaysNothing",
                     position(EngineState::Idle, 0, {"6", "6", "1", "2", "3"}, {1, 1, 0, 0, 0}, 1, 0, 1),
                     "", EngineState::Idle}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ResumedTurnEnd, ClearsTheDiceSoNoHoldCarriesIntoTheNextTurn)
{
    TempFolder folder;
    saveAt(folder, position(EngineState::TurnEnd, 0, {"6", "6", "6", "2", "2"}, {1, 1, 1, 0, 0}, 1, 5, 2));
    Resumer r(folder);
    const Yacht& y = r.resume();
    ASSERT_EQ(y.game.state, EngineState::WaitSpace);
    EXPECT_EQ(y.game.player, 2);
    for (int i = 0; i < kDice; ++i) {
        EXPECT_EQ(y.game.held[i], 0);
        EXPECT_EQ(y.game.dice[i], 0);
        EXPECT_EQ(shownBoard(y).holdMarks[i].caption, "");
        EXPECT_EQ(shownBoard(y).dice[i].caption, "?");
    }
}

TEST(ResumedTurnEnd, PlayersJustChosenMidTurnStartsWithPlayerOne)
{
    // F9 during a second roll, then the players chosen: the old roll number is still there.
    TempFolder folder;
    saveAt(folder, position(EngineState::TurnEnd, 2, kUnthrown, kNoneHeld, 0, 1, 3));
    Resumer r(folder);
    const Yacht& y = r.resume();
    EXPECT_EQ(y.game.state, EngineState::WaitSpace);
    EXPECT_EQ(y.game.player, 1);
    EXPECT_EQ(y.game.round, 1);
    EXPECT_EQ(y.toBeHeard, queued(kWelcomeBack));
}

TEST(ResumedTurnEnd, PassesTheTurnAsPlayDoesButSaysOnlyTheWelcomeBack)
{
    struct Case {
        const char* name;
        int16_t player, round, numPlayers;
        int16_t wantPlayer, wantRound;
        EngineState wantState;
    };
    const Case cases[] = {
        {"second of three", 2, 4, 3, 3, 4, EngineState::WaitSpace},
        {"end of a round", 3, 4, 3, 1, 5, EngineState::WaitSpace},
        // The round after the last stays in the game, as the file had it before the end.
        {"end of the last round", 2, 13, 2, 1, 14, EngineState::Idle},
        // No game writes round 0 at the end of a turn; the turn passes into round 1.
        {"damaged round", 1, 0, 2, 2, 1, EngineState::WaitSpace},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        saveAt(folder, position(EngineState::TurnEnd, 0, {"1", "2", "3", "4", "5"}, kNoneHeld,
                                c.player, c.round, c.numPlayers));
        Resumer r(folder);
        const Board before = r.f.shown();
        const Yacht& y = r.resume();
        EXPECT_EQ(y.game.player, c.wantPlayer) << c.name;
        EXPECT_EQ(y.game.round, c.wantRound) << c.name;
        EXPECT_EQ(y.game.state, c.wantState) << c.name;
        EXPECT_EQ(r.f.dice(), "?????") << c.name;
        // The scores of the round are not read out, nor the sheet turned to the totals.
        EXPECT_EQ(y.toBeHeard, queued(c.wantState == EngineState::Idle ? "" : kWelcomeBack)) << c.name;
        for (int row = 0; row < 15; ++row) EXPECT_EQ(shownBoard(y).sheetValues[row].caption, before.sheetValues[row].caption) << c.name;
    }
}

TEST(ResumedIdleGame, ShowsTheSavedDiceAndGreetsAsUsual)
{
    TempFolder folder;
    saveAt(folder, position(EngineState::Idle, 0, {"6", "6", "1", "2", "3"}, {1, 0, 0, 0, 1}, 1, 0, 1));
    FakeGame f;
    f.storage.setGameFolder(folder.dir());
    f.y.game.state = EngineState::Startup;
    windowActivated(f.y.tell);
    f.tick();
    EXPECT_EQ(f.y.game.state, EngineState::Idle);
    const Board shown = f.shown();
    EXPECT_EQ(shown.dice[0].caption, "6");
    EXPECT_EQ(shown.holdMarks[0].caption, "HOLD");
    EXPECT_EQ(shown.holdMarks[4].caption, "HOLD");
    EXPECT_EQ(shown.holdMarks[1].caption, "");
    ASSERT_EQ(f.voice.spoken.size(), 1u);
    EXPECT_NE(f.voice.spoken[0].text.find("Press function key F 9 to start a new game"), std::string::npos);
}

TEST(FirstTick, ResumingAWaitingGameSpeaksTheWelcomeBackInPlaceOfTheGreeting)
{
    TempFolder folder;
    saveAt(folder, position(EngineState::WaitSpace, 0, kUnthrown, kNoneHeld, 1, 6, 3));
    FakeGame f;
    f.storage.setGameFolder(folder.dir());
    f.y.game.state = EngineState::Startup;
    windowActivated(f.y.tell);
    f.tick();
    ASSERT_EQ(f.voice.spoken.size(), 1u);
    EXPECT_EQ(f.voice.spoken[0].text, kWelcomeBack);
    EXPECT_EQ(f.y.game.state, EngineState::WaitSpace);
}

TEST(FirstTick, NoSavedGameLeavesTheGameIdle)
{
    TempFolder folder;
    Resumer r(folder);
    expectUntouched(r.resume());
}

}  // namespace
}  // namespace yacht::test
