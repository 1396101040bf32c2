// The real window plays a whole game: keys go in as Qt key events, the engine is ticked by hand,
// the dice come from a seeded generator, and what the voice was handed is read back from the
// transcript and checked against the dice it announced.

#include <gtest/gtest.h>

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <chrono>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "engine/std_random.h"
#include "screen/qt_main_window.h"
#include "screen/view_keeper.h"
#include "speech/silent_voice.h"
#include "speech/transcript.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

const std::string kTail =
    " Press function key F 9 to start a new game or function key F 1 for help. ";

// What a category is worth for five faces, worked out here from the rules of the game.
int worth(const std::string& category, const std::array<int, 5>& d)
{
    std::array<int, 7> count{};
    int sum = 0;
    for (int f : d) {
        ++count[f];
        sum += f;
    }
    const int most = *std::max_element(count.begin() + 1, count.end());
    const auto has = [&](std::initializer_list<int> faces) {
        return std::all_of(faces.begin(), faces.end(), [&](int f) { return count[f] > 0; });
    };
    const std::vector<std::string> upper = {"Ones", "Twos", "Threes", "Fours", "Fives", "Sixes"};
    for (int f = 1; f <= 6; ++f)
        if (category == upper[f - 1]) return f * count[f];
    if (category == "3 of a kind") return most >= 3 ? sum : 0;
    if (category == "4 of a kind") return most >= 4 ? sum : 0;
    if (category == "Full house") {
        const bool three = std::count(count.begin(), count.end(), 3) == 1;
        const bool two = std::count(count.begin(), count.end(), 2) == 1;
        return three && two ? 25 : 0;
    }
    if (category == "Small straight")
        return has({1, 2, 3, 4}) || has({2, 3, 4, 5}) || has({3, 4, 5, 6}) ? 30 : 0;
    if (category == "Large straight") return has({1, 2, 3, 4, 5}) || has({2, 3, 4, 5, 6}) ? 40 : 0;
    if (category == "Chance") return sum;
    if (category == "Yacht") return most == 5 ? 50 : 0;
    ADD_FAILURE() << "unknown category " << category;
    return -1;
}

// The text of every line the voice was handed, in order ("<ms> <kind> <text>").
std::vector<std::string> spokenLines(const std::string& path)
{
    std::vector<std::string> out;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        const auto kindAt = line.find(' ');
        const auto textAt = line.find(' ', kindAt + 1);
        if (kindAt == std::string::npos || textAt == std::string::npos) continue;
        const std::string kind = line.substr(kindAt + 1, textAt - kindAt - 1);
        if (kind == "say-async" || kind == "say-sync") out.push_back(line.substr(textAt + 1));
    }
    return out;
}

// " 3 5 1" and the like: the faces of the dice just thrown.
bool diceFaces(const std::string& text, std::vector<int>& faces)
{
    faces.clear();
    if (text.empty() || text.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        if (text[i] != ' ' || text[i + 1] < '1' || text[i + 1] > '6') return false;
        faces.push_back(text[i + 1] - '0');
    }
    return true;
}

// Which die a "Second dice 5" names, or -1.
int dieUnderCursor(const std::string& text)
{
    const char* ordinals[] = {"First dice ", "Second dice ", "Third dice ", "Fourth dice ",
                              "Fifth dice "};
    for (int i = 0; i < 5; ++i)
        if (text.rfind(ordinals[i], 0) == 0) return i;
    return -1;
}

// Follows the dice by ear, as a player listening to the transcript would, and checks every
// "is worth" against them. Returns the number of figures checked.
int checkWorthAgainstDice(const std::vector<std::string>& lines)
{
    const std::vector<std::string> positions = {"first", "second", "third", "fourth", "last"};
    std::array<int, 5> dice{};
    std::array<bool, 5> held{};
    bool yachtOfUnknownFace = false;
    int checked = 0;
    std::vector<int> faces;
    for (const std::string& t : lines) {
        if (t.size() >= 10 && t.compare(t.size() - 10, 10, "first roll") == 0) {
            dice = {};
            held = {};
            yachtOfUnknownFace = false;
        } else if (diceFaces(t, faces)) {
            std::vector<int> thrown;
            for (int i = 0; i < 5; ++i)
                if (faces.size() == 5 || !held[i]) thrown.push_back(i);
            EXPECT_EQ(thrown.size(), faces.size()) << t;
            for (std::size_t k = 0; k < std::min(thrown.size(), faces.size()); ++k)
                dice[thrown[k]] = faces[k];
            yachtOfUnknownFace = false;
        } else if (const auto die = dieUnderCursor(t); die >= 0) {
            // "Third dice 4" or "Third dice 4, held": the die the arrow keys reached.
            EXPECT_EQ(t.substr(t.find("dice ") + 5, 1), std::to_string(dice[die])) << t;
            EXPECT_EQ(t.find(", held") != std::string::npos, held[die]) << t;
        } else if (t == "yacht") {
            // A Yacht is not read out: the face is the held dice's, if any is held.
            int face = 0;
            for (int i = 0; i < 5; ++i)
                if (held[i]) face = dice[i];
            dice.fill(face);
            yachtOfUnknownFace = face == 0;
        } else if (t.rfind("hold the ", 0) == 0 || t.rfind("release the ", 0) == 0) {
            const bool hold = t[0] == 'h';
            const std::size_t from = hold ? 9 : 12;
            const std::string which = t.substr(from, t.find(' ', from) - from);
            const auto at = std::find(positions.begin(), positions.end(), which);
            EXPECT_NE(at, positions.end()) << t;
            if (at != positions.end()) held[at - positions.begin()] = hold;
        } else if (const auto is = t.find(" is worth "); is != std::string::npos) {
            const std::string category = t.substr(0, is);
            const std::string figure = t.substr(is + 10);
            const int said = figure == "nothing" ? 0 : std::stoi(figure);
            if (yachtOfUnknownFace) {
                bool someFace = false;
                for (int f = 1; f <= 6; ++f) someFace |= worth(category, {f, f, f, f, f}) == said;
                EXPECT_TRUE(someFace) << t;
            } else {
                EXPECT_EQ(worth(category, dice), said)
                    << t << " with dice " << dice[0] << dice[1] << dice[2] << dice[3] << dice[4];
            }
            ++checked;
        }
    }
    return checked;
}

// The real window with a seeded dice generator, a silent voice that writes the transcript, and
// fakes for the sound, the resources, the settings store and the drive.
class WindowGame {
public:
    WindowGame()
        : transcript_(Transcript::open(dir_.filePath("transcript.txt").toStdString(),
                                       std::chrono::steady_clock::now())),
          voice_(silent_, *transcript_),
          game_(Ports{voice_, sound_, resources_, storage_, window_.toolkit(), random_, clock_, shown_}),
          sequencer_(game_)
    {
        window_.attach(game_, view_, sequencer_);
        window_.show();
    }

    std::string transcriptPath() const { return dir_.filePath("transcript.txt").toStdString(); }
    Game& game() { return game_.game; }
    MainWindow& window() { return window_; }

    // A key as the player types it, taken by the next tick.
    void key(int qtKey)
    {
        QTest::keyClick(&window_, static_cast<Qt::Key>(qtKey));
        window_.runTick();
        settle();
    }

    // Ticks until everything queued has been handed to the voice, no throw is pending and the
    // turn has been passed on.
    void settle()
    {
        for (int i = 0; i < 200; ++i) {
            const EngineState s = game_.game.state;
            if (game_.toBeHeard.empty() && s != EngineState::Rolling && s != EngineState::TurnEnd)
                return;
            window_.runTick();
        }
        ADD_FAILURE() << "the queue never emptied";
    }

    // Holds, with the arrows and enter, the dice that show the commonest face.
    void holdTheCommonestFace()
    {
        std::array<int, 7> count{};
        for (int16_t d : game_.game.dice) ++count[d];
        int best = 6;
        for (int f = 6; f >= 1; --f)
            if (count[f] > count[best]) best = f;
        for (int i = 0; i < kDice; ++i) {
            key(Qt::Key_Right);
            if (game_.game.dice[i] == best && game_.game.held[i] == 0)
                key(Qt::Key_Return);
        }
    }

    // Walks the cursor to the free category worth most, and scores it with enter.
    void chooseBestCategory()
    {
        int target = 0;
        for (int c = 1; c <= kCategories; ++c) {
            if (taken(game_.game, c)) continue;
            if (target == 0 || game_.game.categoryValues[c] > game_.game.categoryValues[target]) target = c;
        }
        ASSERT_NE(target, 0);
        for (int guard = 0; game_.game.categoryCursor != target && guard < 30; ++guard)
            key(game_.game.categoryCursor < target ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_EQ(game_.game.categoryCursor, target);
        key(Qt::Key_Return);
    }

    void playTurn()
    {
        ASSERT_EQ(game_.game.state, EngineState::WaitSpace);
        key(Qt::Key_Space);
        for (int throws = 1; throws < 3 && game_.game.state == EngineState::Rolled; ++throws) {
            holdTheCommonestFace();
            key(Qt::Key_Space);
        }
        ASSERT_EQ(game_.game.state, EngineState::Choosing);
        chooseBestCategory();
    }

private:
    QTemporaryDir dir_;
    std::unique_ptr<Transcript> transcript_;
    SilentVoice silent_;
    TranscriptVoice voice_;
    FakeSound sound_;
    FakeResources resources_;
    FakeStore store_;
    FakeDrive drive_;
    UserStorage storage_{store_, drive_};
    StdRandom random_{20240607};
    MainWindow window_;
    Narrator narrator_;
    ViewFacts view_;
    ViewKeeper shown_{narrator_, view_};
    FakeClock clock_;
    Yacht game_;
    Sequencer sequencer_;
};

}  // namespace

TEST(RealWindow, PlaysAWholeGameForTwoAndEveryWorthItSaysMatchesTheDiceItSaid)
{
    WindowGame w;
    ASSERT_EQ(w.game().state, EngineState::Idle);
    w.key(Qt::Key_F9);  // no game is running, so no question box opens
    ASSERT_EQ(w.game().state, EngineState::Players);
    w.key(Qt::Key_2);
    ASSERT_EQ(w.game().numPlayers, 2);

    for (int turn = 0; turn < 26; ++turn) {
        w.playTurn();
        if (HasFatalFailure()) return;
    }
    w.window().runTick();

    const Game& g = w.game();
    ASSERT_EQ(g.state, EngineState::Idle);
    const int a = g.scores[kTotalRow][1].value_or(0);
    const int b = g.scores[kTotalRow][2].value_or(0);
    const std::string ending =
        a == b ? "Game over. We have a 2 way tie. The joint winners are player 1 and player 2 "
                 "with a score of " + decimal(a)
               : "Game over. The winner is player " + decimal(a > b ? 1 : 2) + " with a score of " +
                     decimal(std::max(a, b));

    const std::vector<std::string> lines = spokenLines(w.transcriptPath());
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), ending + kTail);
    EXPECT_GE(checkWorthAgainstDice(lines), 20);

    // The window shows what the game ended with.
    EXPECT_EQ(w.window().statusLabel()->text().toStdString(), "Game over");
    EXPECT_EQ(w.window().sheetCaption(1)->text().toStdString(), "  Player 1");
    EXPECT_EQ(w.window().sheetValue(1)->text().toStdString(), decimal(a));
    EXPECT_EQ(w.window().sheetValue(2)->text().toStdString(), decimal(b));
}

}  // namespace yacht::test
