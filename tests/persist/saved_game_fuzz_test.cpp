// Thousands of damaged and random saved games fed to the resumption: each is either refused,
// leaving the game as it was, or resumed into a game the engine can index and play on.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "engine/tick.h"
#include "persist/saved_game.h"
#include "persist/saved_game_format.h"
#include "persist/saved_game_support.h"
#include "persist/temp_folder.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

using Lines = std::vector<std::string>;

Lines linesOf(const std::string& text)
{
    Lines lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::string joined(const Lines& lines)
{
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    return text;
}

// Saved games of every state, with one and with eight players.
std::vector<std::string> validFiles()
{
    const std::array<std::string, 5> thrown{"2", "2", "5", "6", "1"};
    const std::array<std::string, 5> unthrown{"?", "?", "?", "?", "?"};
    std::vector<std::string> files;
    for (int16_t players : {1, 3, 8}) {
        for (int s : {0, 1, 2, 3, 4, 5, 6}) {
            Position p;
            p.numPlayers = players;
            p.player = players;
            p.round = 13;
            p.scored = 12;
            p.state = static_cast<EngineState>(s);
            p.roll = s == 5 || s == 0 ? 0 : 3;
            p.dice = s == 3 || s == 6 || s == 4 ? unthrown : thrown;
            p.held = s == 1 || s == 2 ? std::array<int16_t, 5>{1, 0, 1, 0, 0} : std::array<int16_t, 5>{};
            FakeGame f;
            arrange(f.y, p);
            files.push_back(savedGameText(f.y.game));
        }
    }
    return files;
}

class Mutator {
public:
    explicit Mutator(uint32_t seed) : random_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    std::string bytes(int length)
    {
        std::string out;
        for (int i = 0; i < length; ++i) out += static_cast<char>(below(256));
        return out;
    }

    std::string number()
    {
        switch (below(4)) {
        case 0: return std::to_string(below(66) - 5);
        case 1: {
            static const char* const edges[] = {"32767", "32768", "-32768", "-32769", "65536",
                                                "65537", "2147483648", "-1", "99", "14", "15"};
            return edges[below(11)];
        }
        case 2: {
            std::string digits(1 + below(25), char('1' + below(9)));
            if (below(2)) digits.insert(digits.begin(), '-');
            return digits;
        }
        default: return std::to_string(below(9));
        }
    }

    std::string mutate(const std::string& text)
    {
        std::string out = text;
        const int rounds = 1 + below(3);
        for (int r = 0; r < rounds; ++r) {
            Lines lines = linesOf(out);
            const int at = lines.empty() ? 0 : below(int(lines.size()));
            switch (below(10)) {
            case 0: out = out.substr(0, out.empty() ? 0 : below(int(out.size()) + 1)); continue;
            case 1: if (!lines.empty()) lines.erase(lines.begin() + at); break;
            case 2: if (!lines.empty()) lines.insert(lines.begin() + at, lines[at]); break;
            case 3: case 4: if (!lines.empty()) lines[at] = number(); break;
            case 5: if (!lines.empty()) lines[at] = bytes(below(20)); break;
            case 6:
                if (!out.empty()) out[below(int(out.size()))] = static_cast<char>(below(256));
                continue;
            case 7: out.insert(out.empty() ? 0 : below(int(out.size())), bytes(1 + below(8))); continue;
            case 8:
                if (lines.size() > 1) std::swap(lines[at], lines[below(int(lines.size()))]);
                break;
            default: if (!lines.empty()) lines[at] = below(2) ? "?" : std::to_string(below(10)); break;
            }
            out = joined(lines);
        }
        return out;
    }

private:
    std::mt19937 random_;
};

bool isFace(const std::string& s) { return s.size() == 1 && s[0] >= '1' && s[0] <= '6'; }

bool untouched(const Yacht& y)
{
    const Game& g = y.game;
    if (g.state != EngineState::Idle || g.numPlayers || g.player || g.round || g.roll) return false;
    if (!y.toBeHeard.empty()) return false;
    for (int i = 0; i < kDice; ++i)
        if (g.dice[i] != 0 || g.held[i]) return false;
    for (const auto& row : g.scores)
        for (const auto& cell : row)
            if (cell) return false;
    for (int c = 1; c <= kCategories; ++c)
        if (g.categoryValues[c]) return false;
    return true;
}

// Why a resumed game could not be played on, or "" when it can.
std::string inconsistency(const Yacht& y)
{
    const Game& g = y.game;
    const int state = static_cast<int>(g.state);
    if (state < 0 || state > 6 || state == 4) return "state";
    if (g.numPlayers < 0 || g.numPlayers > kMaxPlayers) return "numPlayers";
    if (g.player < 0 || g.player > g.numPlayers) return "player";
    if (state != 0 && (g.numPlayers < 1 || g.player < 1)) return "no player in a running game";
    if (g.round < 0 || g.round > (state == 0 ? 15 : 14)) return "round";
    if (g.roll < 0 || g.roll > 3) return "roll";
    const Board shown = shownBoard(y);
    for (int i = 0; i < kDice; ++i) {
        const std::string& die = shown.dice[i].caption;
        if (!isFace(die) && die != "?") return "die caption";
        if (g.held[i] != 0 && g.held[i] != 1) return "held flag";
        if ((g.held[i] == 1) != (shown.holdMarks[i].caption == "HOLD")) return "hold mark";
        if (g.held[i] == 1 && !isFace(die)) return "held die not thrown";
        if ((state == 1 || state == 2) && !isFace(die)) return "die not thrown while rolled";
    }
    for (const auto& row : g.scores)
        for (const auto& cell : row)
            if (cell && *cell < 0) return "score cell";
    for (int c = 1; c <= kCategories; ++c)
        if (g.categoryValues[c] < 0 || g.categoryValues[c] > 50) return "category value";
    return {};
}

struct Outcome {
    int refused = 0;
    int resumed = 0;
    int running = 0;  // resumed into a game under way
    std::string firstFault;
};

// Resumes the text as a fresh game would, then plays a few keys on whatever was resumed.
void feed(const TempFolder& folder, const std::string& text, Outcome& outcome, Mutator& keys)
{
    // Removed first: rewriting a file in place makes the disk flush it, which is slow.
    std::filesystem::remove(folder.file(kSavedGameName));
    writeText(folder.file(kSavedGameName), text);
    FakeGame f;
    f.storage.setGameFolder(folder.dir());
    resumeSavedGame(f.y.ports.storage, f.y.game, f.y.tell);
    if (untouched(f.y)) {
        ++outcome.refused;
        return;
    }
    const std::string fault = inconsistency(f.y);
    if (!fault.empty() && outcome.firstFault.empty()) {
        std::string shown;
        for (char c : text.substr(0, 400)) shown += (c >= 32 && c < 127) || c == '\n' ? c : '.';
        outcome.firstFault = fault + " after resuming:\n" + shown;
    }
    ++outcome.resumed;
    if (f.y.game.state != EngineState::Idle) ++outcome.running;
    // The engine must be able to go on from here without reaching outside its tables.
    static const int playKeys[] = {32, 13, 37, 38, 39, 40, 49, 50, 51, 53, 55, 56, 113, 114, 115};
    for (int k = 0; k < 12; ++k) f.press(playKeys[keys.below(15)]);
}

TEST(DamagedSavedGames, AreRefusedOrResumedConsistently)
{
    TempFolder folder;
    const auto files = validFiles();
    Mutator mutator(20240611);
    Outcome outcome;
    for (const auto& file : files) feed(folder, file, outcome, mutator);
    EXPECT_EQ(outcome.resumed, int(files.size())) << "every undamaged file resumes";

    for (int i = 0; i < 3000; ++i)
        feed(folder, mutator.mutate(files[mutator.below(int(files.size()))]), outcome, mutator);

    EXPECT_EQ(outcome.firstFault, "");
    EXPECT_GT(outcome.refused, 500);
    EXPECT_GT(outcome.running, 300);
}

TEST(RandomSavedGames, AreRefusedOrResumedConsistently)
{
    TempFolder folder;
    Mutator mutator(77);
    Outcome outcome;
    for (int i = 0; i < 1000; ++i) {
        std::string text;
        if (i % 2) {
            text = mutator.bytes(mutator.below(2000));
        } else {
            Lines lines(mutator.below(200));
            for (auto& l : lines) l = mutator.below(4) ? std::to_string(mutator.below(8)) : mutator.number();
            text = joined(lines);
        }
        feed(folder, text, outcome, mutator);
    }
    EXPECT_EQ(outcome.firstFault, "");
}

TEST(HugeSavedGames, HundredThousandLinesAreReadOnlyAsFarAsNeeded)
{
    TempFolder folder;
    Mutator mutator(5);
    Outcome outcome;
    Lines numbers(100000);
    for (auto& l : numbers) l = mutator.number();
    feed(folder, joined(numbers), outcome, mutator);

    Lines valid = linesOf(validFiles()[8]);
    valid.resize(100000, "123456789");
    feed(folder, joined(valid), outcome, mutator);
    EXPECT_EQ(outcome.firstFault, "");
    EXPECT_EQ(outcome.resumed, 1 + (outcome.refused == 0));
}

}  // namespace
}  // namespace yacht::test
