// Saved games written in every engine state by a scripted play, kept as files: the game must go
// on writing exactly these bytes, and reading each one back must give the same file again and
// the same words at the next start. Run with YACHT_WRITE_SAVED_GAMES=1 to write the files afresh.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "engine/key_codes.h"
#include "engine/tick.h"
#include "persist/saved_game.h"
#include "persist/saved_game_format.h"
#include "persist/temp_folder.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

const std::string kFolder = std::string(YACHT_TEST_DATA) + "/saved_games/";

bool writing()
{
    const char* v = std::getenv("YACHT_WRITE_SAVED_GAMES");
    return v && *v;
}

using Corpus = std::vector<std::pair<std::string, std::string>>;  // name, file text

// Plays games through the tick and keeps the saved file's text at each named moment.
class Recorder {
public:
    Corpus corpus;

    void snap(FakeGame& f, const std::string& name)
    {
        corpus.emplace_back(name, savedGameText(f.y.game));
    }

    static void key(FakeGame& f, int code)
    {
        f.press(code);
        f.settle();
    }

    static void choosePlayers(FakeGame& f, int n)
    {
        key(f, keys::F9);
        key(f, keys::Digit0 + n);
    }

    // One turn whose first throw shows the final dice: all held, then the space bar, then the
    // category chosen with the arrows and Enter.
    static void turn(FakeGame& f, const std::string& dice, int category)
    {
        for (char c : dice) f.random.faces.push_back(c - '0');
        key(f, keys::Space);
        if (f.y.game.state == EngineState::Rolled) {
            for (int die = 1; die <= kDice; ++die) key(f, keys::Digit0 + die);
            key(f, keys::Space);
        }
        while (f.y.game.categoryCursor != category)
            key(f, f.y.game.categoryCursor < category ? keys::Down : keys::Up);
        key(f, keys::Enter);
    }

    void twoPlayers()
    {
        FakeGame f;
        f.voice.speakingReads = 2;
        snap(f, "idle_fresh");
        key(f, keys::F9);
        snap(f, "choosing_players");
        f.press(keys::Digit0 + 2);
        snap(f, "players_chosen");
        f.settle();
        snap(f, "round1_waiting");
        f.random.push({3, 5, 1, 6, 2});
        f.press(keys::Space);
        snap(f, "first_throw_pending");
        f.settle();
        snap(f, "after_first_throw");
        key(f, keys::Digit0 + 2);
        key(f, keys::Digit0 + 4);
        snap(f, "two_dice_held");
        f.random.push({4, 4, 4});
        key(f, keys::Space);
        snap(f, "after_second_throw");
        f.random.push({6, 6, 1});
        key(f, keys::Space);
        snap(f, "choosing_category");
        key(f, keys::Down);
        key(f, keys::Down);
        f.press(keys::Enter);
        snap(f, "turn_scored");
        f.settle();
        snap(f, "second_player_waiting");
        turn(f, "22345", 10);
        turn(f, "66666", 13);
        snap(f, "round2_waiting");
        turn(f, "55555", 5);
        turn(f, "66666", 6);
        snap(f, "after_yacht_bonus");
    }

    void onePlayerToTheEnd()
    {
        FakeGame f;
        f.voice.speakingReads = 1;
        choosePlayers(f, 1);
        key(f, keys::Enter);
        const std::vector<std::pair<std::string, int>> plan = {
            {"66612", 6}, {"12346", 10}, {"11123", 1}, {"55555", 13}, {"22245", 2},
            {"33312", 3}, {"23456", 11}, {"44412", 4}, {"22333", 9},  {"55512", 5},
            {"33345", 7}, {"66655", 12}, {"44446", 8},
        };
        for (std::size_t i = 0; i < plan.size(); ++i) {
            turn(f, plan[i].first, plan[i].second);
            if (i == 3) snap(f, "one_player_after_yacht");
            if (i == 7) snap(f, "one_player_with_upper_bonus");
            if (i == 11) snap(f, "one_player_last_round");
        }
        f.tick();
        snap(f, "game_over");
    }

    void eightPlayers()
    {
        FakeGame f;
        choosePlayers(f, 8);
        key(f, keys::Enter);
        snap(f, "eight_players_waiting");
        for (int p = 1; p <= 8; ++p) turn(f, p % 2 ? "12345" : "11111", p % 2 ? 10 : 13);
        snap(f, "eight_players_round2");
    }
};

const Corpus& corpus()
{
    static const Corpus c = [] {
        Recorder r;
        r.twoPlayers();
        r.onePlayerToTheEnd();
        r.eightPlayers();
        return r.corpus;
    }();
    return c;
}

// What the game writes again after reading the file back at start-up, before the first tick.
std::string resavedText(const std::string& file)
{
    TempFolder folder;
    writeText(folder.file(kSavedGameName), file);
    FakeGame f;
    f.storage.setGameFolder(folder.dir());
    resumeSavedGame(f.y.ports.storage, f.y.game, f.y.tell);
    f.storage.saveGame(f.y.game);
    return readText(folder.file(kSavedGameName));
}

// Everything heard from the start with the file present until the game waits, one item a line
// with the tick it came on, so that both the words and their timing are kept.
std::string heardOnResuming(const std::string& file)
{
    TempFolder folder;
    writeText(folder.file(kSavedGameName), file);
    FakeGame f;
    f.resources.add("WAVE", "ROLLDICE", "RIFF....WAVE");
    f.voice.speakingReads = 1;
    f.storage.setGameFolder(folder.dir());
    f.y.game.state = EngineState::Startup;
    std::string out;
    std::size_t said = 0, played = 0;
    for (int tick = 1; tick <= 100; ++tick) {
        f.tick();
        for (; said < f.voice.spoken.size(); ++said) {
            const Spoken& s = f.voice.spoken[said];
            out += decimal(tick) + (s.mode == SpeakMode::Sync ? " sync " : " async ") + s.text + "\n";
        }
        for (; played < f.sound.played.size(); ++played)
            out += decimal(tick) + " sound " + f.sound.played[played].name + "\n";
        if (f.y.toBeHeard.empty() && !f.voice.busy() && f.y.game.state != EngineState::Rolling)
            break;
    }
    return out;
}

void expectFile(const std::string& path, const std::string& text)
{
    if (writing()) {
        std::filesystem::create_directories(kFolder);
        writeText(path, text);
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(path)) << path;
    EXPECT_EQ(readText(path), text) << path;
}

TEST(SavedGamesInEveryState, AreWrittenByteForByteAsKept)
{
    ASSERT_GE(corpus().size(), 18u);
    for (const auto& [name, text] : corpus()) expectFile(kFolder + name + ".tmp", text);
}

TEST(SavedGamesInEveryState, ReadBackAndWriteTheSameFileAgain)
{
    for (const auto& [name, text] : corpus()) {
        const std::string kept = writing() ? text : readText(kFolder + name + ".tmp");
        const std::string again = resavedText(kept);
        expectFile(kFolder + name + ".resaved.tmp", again);
        // A game in the middle of a turn, or with none running, writes exactly the file it read.
        // (Waiting for the space bar the player's card is drawn on resuming, which writes the
        // total; the choice of players and a finished turn are moved on.)
        SavedGame saved;
        ASSERT_TRUE(parseSavedGame(kept, false, saved)) << name;
        const auto state = static_cast<EngineState>(saved.state);
        if (state == EngineState::Idle || state == EngineState::Rolled ||
            state == EngineState::Choosing || state == EngineState::Rolling) {
            EXPECT_EQ(again, kept) << name;
        }
    }
}

TEST(SavedGamesInEveryState, AreResumedWithTheSameWords)
{
    for (const auto& [name, text] : corpus()) {
        const std::string kept = writing() ? text : readText(kFolder + name + ".tmp");
        expectFile(kFolder + name + ".heard.txt", heardOnResuming(kept));
    }
}

}  // namespace
}  // namespace yacht::test
