// Saved games the game cannot use are refused as if there were none; short files keep what they
// hold only where the game stays whole; a save that fails leaves the previous file as it was.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

#include "engine/key_codes.h"
#include "engine/tick.h"
#include "persist/saved_game.h"
#include "persist/saved_game_format.h"
#include "persist/settings_file.h"
#include "persist/saved_game_support.h"
#include "persist/temp_folder.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// The lines of a saved game of two players, rolled, round 3, player 1, second roll.
std::vector<std::string> baseLines(EngineState state = EngineState::Rolled)
{
    FakeGame f;
    Position p;
    p.state = state;
    if (state == EngineState::Rolling) p.dice = {"3", "?", "?", "?", "?"};
    arrange(f.y, p);
    return linesOf(savedGameText(f.y.game));
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    return text;
}

FakeGame& resumeFrom(FakeGame& f, const TempFolder& folder, const std::string& text)
{
    writeText(folder.file(kSavedGameName), text);
    f.storage.setGameFolder(folder.dir());
    resumeSavedGame(f.y.ports.storage, f.y.game, f.y.tell);
    return f;
}

struct Refusal {
    const char* name;
    std::size_t line;
    std::string value;
    EngineState base = EngineState::Rolled;
};

void PrintTo(const Refusal& c, std::ostream* os) { *os << c.name; }

class UnusableSavedGame : public ::testing::TestWithParam<Refusal> {};

TEST_P(UnusableSavedGame, IsRefusedAsIfThereWereNone)
{
    const Refusal& c = GetParam();
    auto lines = baseLines(c.base);
    ASSERT_LT(c.line, lines.size());
    lines[c.line] = c.value;
    TempFolder folder;
    FakeGame f;
    expectUntouched(resumeFrom(f, folder, joined(lines)).y);
}

using namespace savedline;
constexpr int kTwo = 2;

INSTANTIATE_TEST_SUITE_P(
    Values, UnusableSavedGame,
    ::testing::Values(
        Refusal{"NinePlayers", numPlayers, "9"},
        Refusal{"NegativePlayers", numPlayers, "-1"},
        Refusal{"HugePlayers", numPlayers, "65537"},
        Refusal{"NoPlayersWhileRolled", numPlayers, "0"},
        Refusal{"CurrentPlayerBeyondPlayers", player, "3"},
        Refusal{"NoCurrentPlayerWhileRolled", player, "0"},
        Refusal{"NegativeCurrentPlayer", player, "-2"},
        Refusal{"RoundFifteen", round, "15"},
        Refusal{"NegativeRound", round, "-1"},
        Refusal{"UnknownState", state, "7"},
        Refusal{"StartupStateIsNotSaved", state, "99"},
        Refusal{"NegativeState", state, "-3"},
        Refusal{"RollFour", roll, "4"},
        Refusal{"NegativeRoll", roll, "-1"},
        Refusal{"DieSeven", die(2), "7"},
        Refusal{"DieZero", die(0), "0"},
        Refusal{"DieEmpty", die(4), ""},
        Refusal{"DieWithBlank", die(1), "1 "},
        Refusal{"DieTwoCharacters", die(3), "12"},
        Refusal{"DieBinary", die(3), std::string("\0", 1)},
        Refusal{"UnthrownDieWhileRolled", die(0), "?"},
        Refusal{"UnthrownDieHeld", die(0), "?", EngineState::Rolling},
        Refusal{"HeldTwo", held(1), "2"},
        Refusal{"HeldNegative", held(1), "-1"},
        Refusal{"ScoreWord", score(3, 1, kTwo), "abc"},
        Refusal{"ScoreNegative", score(1, 2, kTwo), "-5"},
        Refusal{"ScoreFraction", score(1, 1, kTwo), "1.5"},
        Refusal{"ScoreWithBlank", score(0, 1, kTwo), " 5"},
        Refusal{"ScoreBeyondSixteenBits", score(14, 2, kTwo), "40000"},
        Refusal{"ScoreHuge", score(13, 1, kTwo), "99999999999999999999"},
        Refusal{"CategoryValueAboveFifty", categoryValue(5, kTwo), "51"},
        Refusal{"CategoryValueNegative", categoryValue(13, kTwo), "-1"}),
    [](const auto& info) { return std::string(info.param.name); });

// A turn under way for a player whose card is full could never be scored: such a file is refused.
// The same full card is fine for a player who is not throwing, or once the turn has been scored.
TEST(FullCardSavedGame, IsRefusedOnlyWhileThatPlayersTurnIsUnderWay)
{
    const struct {
        EngineState state;
        int fullPlayer;
        bool refused;
    } cases[] = {
        {EngineState::Rolled, 1, true},    {EngineState::Choosing, 1, true},
        {EngineState::Rolling, 1, true},   {EngineState::WaitSpace, 1, true},
        {EngineState::Rolled, 2, false},   {EngineState::TurnEnd, 1, false},
        {EngineState::Idle, 1, false},
    };
    for (const auto& c : cases) {
        auto lines = baseLines(c.state);
        for (int cat = 1; cat <= kCategories; ++cat) lines[score(cat, c.fullPlayer, kTwo)] = std::string(1, '0');
        TempFolder folder;
        FakeGame f;
        SCOPED_TRACE(testing::Message() << int(c.state) << " full card of player " << c.fullPlayer);
        const Yacht& y = resumeFrom(f, folder, joined(lines)).y;
        if (c.refused)
            expectUntouched(y);
        else
            EXPECT_EQ(y.game.numPlayers, 2);
    }
}

TEST(ShortSavedGame, OfARunningTurnIsRefused)
{
    for (EngineState state : {EngineState::Rolled, EngineState::Rolling, EngineState::Choosing,
                              EngineState::TurnEnd, EngineState::Players}) {
        auto lines = baseLines(state);
        lines.pop_back();
        TempFolder folder;
        FakeGame f;
        SCOPED_TRACE(int(state));
        expectUntouched(resumeFrom(f, folder, joined(lines)).y);
    }
}

TEST(ShortSavedGame, WaitingWithEveryScoreReadResumesWithoutTheCategoryValues)
{
    auto lines = baseLines(EngineState::WaitSpace);
    lines.resize(categoryValue(1, kTwo) + 4);
    TempFolder folder;
    FakeGame f;
    const Yacht& y = resumeFrom(f, folder, joined(lines)).y;
    EXPECT_EQ(y.game.state, EngineState::WaitSpace);
    EXPECT_EQ(y.game.numPlayers, 2);
    EXPECT_EQ(y.game.scores[kBonusRow][2], 100);
    EXPECT_EQ(y.game.categoryValues[1], 11);
    EXPECT_EQ(y.game.categoryValues[5], 0);
    EXPECT_EQ(y.toBeHeard,
              queued("Yacht, from Tevrin Software. Resuming an unfinished game. "
                     " Press the space bar to continue or press function key F 9 if you prefer to "
                     "start a new game. "));
}

TEST(ShortSavedGame, WaitingWithScoresMissingIsRefused)
{
    auto lines = baseLines(EngineState::WaitSpace);
    lines.resize(score(kBonusRow, 2, kTwo));  // the last score line is missing
    TempFolder folder;
    FakeGame f;
    expectUntouched(resumeFrom(f, folder, joined(lines)).y);
}

TEST(ShortSavedGame, WithNoGameKeepsWhatItHoldsAndResumesNothing)
{
    auto lines = baseLines(EngineState::Idle);
    lines.resize(score(1, 1, kTwo));  // totals only
    TempFolder folder;
    FakeGame f;
    const Yacht& y = resumeFrom(f, folder, joined(lines)).y;
    EXPECT_EQ(y.game.state, EngineState::Idle);
    EXPECT_EQ(y.game.numPlayers, 2);
    EXPECT_EQ(y.game.scores[kTotalRow][2], 133);
    EXPECT_EQ(y.game.scores[1][1], std::nullopt);
    EXPECT_EQ(shownBoard(y).holdMarks[1].caption, "HOLD");
    EXPECT_EQ(y.toBeHeard, queued(""));
}

TEST(ShortSavedGame, EndingBeforeTheStateLeavesNoGame)
{
    TempFolder folder;
    FakeGame f;
    const Yacht& y = resumeFrom(f, folder, "2\r\n1\r\n3").y;
    EXPECT_EQ(y.game.state, EngineState::Idle);
    EXPECT_EQ(y.game.numPlayers, 2);
    EXPECT_EQ(y.game.round, 3);
    EXPECT_EQ(y.toBeHeard, queued(""));
}

TEST(ShortSavedGame, EmptyFileChangesNothing)
{
    TempFolder folder;
    FakeGame f;
    expectUntouched(resumeFrom(f, folder, "").y);
}

TEST(LongSavedGame, LinesAfterTheGameAreIgnored)
{
    auto lines = baseLines();
    for (int i = 0; i < 20000; ++i) lines.push_back("junk " + std::to_string(i));
    TempFolder folder;
    FakeGame f;
    const Yacht& y = resumeFrom(f, folder, joined(lines)).y;
    EXPECT_EQ(y.game.state, EngineState::Rolled);
    EXPECT_EQ(y.game.numPlayers, 2);
}

TEST(LongSavedGame, HugeLineIsRefused)
{
    auto lines = baseLines();
    lines[score(2, 1, kTwo)] = std::string(200000, '7');
    TempFolder folder;
    FakeGame f;
    expectUntouched(resumeFrom(f, folder, joined(lines)).y);
}

// Something other than a regular file where the saved game or the settings file belongs (a named
// pipe would block an open for good, a folder cannot be read): it counts as no file, the start
// never waits on it, and the next save replaces it.
TEST(StrangeFileInItsPlace, CountsAsNoneAndTheNextSaveReplacesIt)
{
    using MakeStrange = bool (*)(const std::string&);
    const std::pair<const char*, MakeStrange> kinds[] = {
        {"named pipe", [](const std::string& p) { return ::mkfifo(p.c_str(), 0600) == 0; }},
        {"folder", [](const std::string& p) { return std::filesystem::create_directory(p); }},
    };
    for (const auto& [what, make] : kinds) {
        SCOPED_TRACE(what);
        TempFolder folder;
        ASSERT_TRUE(make(folder.file(kSavedGameName)));
        ASSERT_TRUE(make(folder.file(kSettingsFileName)));
        EXPECT_FALSE(readSettingsFile(folder.file(kSettingsFileName)));

        FakeGame f;
        f.storage.setGameFolder(folder.dir());
        resumeSavedGame(f.y.ports.storage, f.y.game, f.y.tell);
        expectUntouched(f.y);
        if (std::string(what) == "folder") continue;  // a save never renames over a folder
        arrange(f.y, Position{});
        storeGameAndSettings(f.y.game, f.y.voiceChoice, f.y.ports);
        EXPECT_TRUE(std::filesystem::is_regular_file(folder.file(kSavedGameName)));
    }
}

TEST(LenientNumbers, LeadingNumberOfALineIsTaken)
{
    auto lines = baseLines();
    lines[numPlayers] = "2 players";
    lines[roll] = "2\x01";
    lines[held(1)] = "1";
    lines[categoryValue(2, kTwo)] = "";
    TempFolder folder;
    FakeGame f;
    const Yacht& y = resumeFrom(f, folder, joined(lines)).y;
    EXPECT_EQ(y.game.state, EngineState::Rolled);
    EXPECT_EQ(y.game.numPlayers, 2);
    EXPECT_EQ(y.game.roll, 2);
    EXPECT_EQ(y.game.categoryValues[2], 0);
}

TEST(LenientNumbers, BareLineFeedsAreLineEndsToo)
{
    std::string text;
    for (const auto& l : baseLines()) text += l + "\n";
    TempFolder folder;
    FakeGame f;
    EXPECT_EQ(resumeFrom(f, folder, text).y.game.state, EngineState::Rolled);
}

TEST(ScoreCells, ReadAsNumbersWithAnEmptyCellApartFromZeroAndWriteBackAsDecimals)
{
    struct Case {
        int row;
        std::string line;     // player 1's cell as the file holds it
        ScoreCell cell;       // as the game holds it
        std::string written;  // as the next save writes it
    };
    const Case cases[] = {
        {1, "", {}, ""},     // not taken
        {2, "0", 0, "0"},    // taken for nothing
        {3, "007", 7, "7"},  // leading zeros no game writes
        {kBonusRow, "32767", 32767, "32767"},
    };
    auto lines = baseLines();
    for (const Case& c : cases) lines[score(c.row, 1, kTwo)] = c.line;
    TempFolder folder;
    FakeGame f;
    const Game& g = resumeFrom(f, folder, joined(lines)).y.game;
    ASSERT_EQ(g.state, EngineState::Rolled);
    const std::vector<std::string> written = linesOf(savedGameText(g));
    for (const Case& c : cases) {
        EXPECT_EQ(g.scores[c.row][1], c.cell) << c.line;
        if (c.row <= kCategories) {
            EXPECT_EQ(taken(g, c.row), c.cell.has_value()) << c.line;
        }
        EXPECT_EQ(written[score(c.row, 1, kTwo)], c.written) << c.line;
    }
}

// F12 with a save that cannot be written: nothing is left behind, goodbye is said, the game ends.
void leaveWithF12(FakeGame& f)
{
    f.tick();
    f.press(keys::F12);
    EXPECT_EQ(f.voice.last(), "goodbye");
    EXPECT_EQ(f.voice.spoken.back().mode, SpeakMode::Sync);
    EXPECT_TRUE(f.toolkit.quit);
}

TEST(FailedSave, TemporaryFolderThatIsAFileIsQuietAndTheGameStillLeaves)
{
    TempFolder folder;
    writeText(folder.file("plain"), "not a folder");
    FakeGame f;
    arrange(f.y, Position{});
    f.storage.setGameFolder(folder.file("plain") + "/");
    leaveWithF12(f);
    EXPECT_EQ(readText(folder.file("plain")), "not a folder");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(FailedSave, MissingTemporaryFolderIsQuietAndTheGameStillLeaves)
{
    TempFolder folder;
    FakeGame f;
    arrange(f.y, Position{});
    f.storage.setGameFolder(folder.file("missing") + "/");
    leaveWithF12(f);
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing")));
}

// Lets writes to files stop at a few bytes, as a full disk would, for one scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(FailedSave, DiskFullHalfwayLeavesThePreviousSavedGameIntact)
{
    TempFolder folder;
    FakeGame before;
    before.storage.setGameFolder(folder.dir());
    arrange(before.y, Position{});
    before.storage.saveGame(before.y.game);
    const std::string previous = readText(folder.file(kSavedGameName));
    ASSERT_FALSE(previous.empty());

    FakeGame f;
    f.storage.setGameFolder(folder.dir());
    Position later;
    later.round = 9;
    later.scored = 8;
    arrange(f.y, later);
    f.tick();
    {
        FileSizeLimit full(16);
        f.press(keys::F12);
    }
    EXPECT_TRUE(f.toolkit.quit);
    EXPECT_EQ(f.voice.last(), "goodbye");
    EXPECT_EQ(readText(folder.file(kSavedGameName)), previous);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
        << "no half-written file is left beside the saved game";
}

TEST(Save, ReplacesThePreviousFileAndLeavesNothingElse)
{
    TempFolder folder;
    writeText(folder.file(kSavedGameName), "old");
    FakeGame f;
    f.storage.setGameFolder(folder.dir());
    arrange(f.y, Position{});
    f.storage.saveGame(f.y.game);
    EXPECT_EQ(readText(folder.file(kSavedGameName)), savedGameText(f.y.game));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace yacht::test
