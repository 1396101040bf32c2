// The game reports each turn to the record as it is played, tells a new best score at the end,
// and F5 and F6 tell the record and the turns of the others, each press going on.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "engine/key_codes.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

// A record that keeps what the game reports and answers with a summary the test sets.
class FakeRecord : public Record {
public:
    int begun = 0;
    std::vector<std::vector<ScoredCell>> resumed;
    std::vector<PlayedTurn> turns;
    std::vector<std::vector<int16_t>> finished;
    std::optional<RecordSummary> known;

    void gameBegun(const RecordedSeats&) override { ++begun, turns.clear(); }
    void gameResumed(const RecordedSeats&, const std::vector<ScoredCell>& cells) override { resumed.push_back(cells); }
    void turnPlayed(const PlayedTurn& turn, bool) override { turns.push_back(turn); }
    void gameFinished(const std::vector<int16_t>& finals, bool) override { finished.push_back(finals); }
    std::optional<RecordSummary> summary() override { return known; }
    std::vector<PlayedTurn> turnsOfThisGame() override { return turns; }
};

class RecordedPlay : public ::testing::Test {
protected:
    FakeGame f;
    FakeRecord record;

    void SetUp() override
    {
        f.y.recordPort = &record;
        f.voice.speakingReads = 2;
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    void key(int code)
    {
        f.press(code);
        f.settle();
    }
    void throwDice(const std::string& faces)
    {
        for (char c : faces) f.random.faces.push_back(c - '0');
        key(keys::Space);
    }
    void score(int category)
    {
        while (f.y.game.categoryCursor != category) key(f.y.game.categoryCursor < category ? keys::Down : keys::Up);
        key(keys::Enter);
    }
    // A new game of people, and a turn that throws the same dice three times and scores them.
    void newGame(int players)
    {
        key(keys::F9);
        key(keys::Digit0 + players);
    }
    void plainTurn(int category, const std::string& dice = "12346")
    {
        // A Yacht ends the throwing at once.
        for (int t = 0; t < 3 && f.y.game.state != EngineState::Choosing; ++t) throwDice(dice);
        score(category);
    }
    // The texts heard from a key pressed with the voice quiet, to the end of what it queues.
    std::vector<std::string> heardFrom(int code)
    {
        const std::size_t before = f.voice.spoken.size();
        key(code);
        const std::vector<std::string> all = f.voice.texts();
        return {all.begin() + before, all.end()};
    }
    std::vector<std::string> lastHeard(std::size_t n) const
    {
        const std::vector<std::string> all = f.voice.texts();
        return {all.end() - std::min(n, all.size()), all.end()};
    }
};

RecordedThrow thrown(int roll, std::array<int8_t, 5> faces, std::array<bool, 5> kept = {})
{
    return RecordedThrow{int8_t(roll), faces, kept, std::nullopt};
}

TEST_F(RecordedPlay, EveryThrowKeepAndScoreReachesTheRecord)
{
    newGame(1);
    for (char c : std::string("33512")) f.random.faces.push_back(c - '0');
    key(keys::Space);
    key(keys::Digit1);
    key(keys::Digit0 + 2);
    throwDice("364");
    key(keys::Digit0 + 3);
    throwDice("31");
    score(3);

    ASSERT_EQ(record.begun, 1);
    ASSERT_EQ(record.turns.size(), 1u);
    PlayedTurn expected;
    expected.round = 1;
    expected.player = 1;
    expected.throws = {thrown(1, {3, 3, 5, 1, 2}), thrown(2, {3, 3, 3, 6, 4}, {true, true, false, false, false}),
                       thrown(3, {3, 3, 3, 3, 1}, {true, true, true, false, false})};
    expected.category = 3;
    expected.points = 12;
    EXPECT_EQ(record.turns.front(), expected);

    key(keys::F6);
    EXPECT_EQ(f.voice.last(),
              "player 1 threw 3 3 5 1 2, kept 3 3, threw 3 3 3 6 4, kept 3 3 3, threw 3 3 3 3 1, scored 12 in Threes");
}

TEST_F(RecordedPlay, F6TellsTheTurnsSinceThePlayersLastAndEachPressGoesOn)
{
    newGame(3);
    plainTurn(1);
    plainTurn(2);
    plainTurn(4);
    ASSERT_EQ(f.y.game.player, 1);
    // The voice has finished what it said, and each turn told is still being said at the next F6.
    f.voice.stopSpeaking();
    f.press(keys::F6);
    const std::string second = "player 2 threw 1 2 3 4 6, kept nothing, threw 1 2 3 4 6, kept nothing, "
                               "threw 1 2 3 4 6, scored 2 in Twos";
    const std::string third = "player 3 threw 1 2 3 4 6, kept nothing, threw 1 2 3 4 6, kept nothing, "
                              "threw 1 2 3 4 6, scored 4 in Fours";
    EXPECT_EQ(f.voice.last(), second);
    ASSERT_EQ(f.y.toBeHeard.size(), 1u);
    EXPECT_EQ(f.y.toBeHeard.front(), third);
    f.press(keys::F6);
    EXPECT_EQ(f.y.toBeHeard.items(), (std::deque<SpeechItem>{SpeechItem::words(third)}))
        << "a press during the telling goes on to the next turn";
    key(keys::F2);
    EXPECT_EQ(heardFrom(keys::F6), (std::vector<std::string>{second, third})) << "after another key it starts again";
}

TEST_F(RecordedPlay, F6BeforeAnyTurnSaysSoInOneSentence)
{
    newGame(2);
    key(keys::F6);
    EXPECT_EQ(f.voice.last(), "No turn has been played yet.");
}

// Each case: what the record knew before the game, and whether the 62 points beat it.
struct BestCase {
    const char* name;
    std::optional<RecordSummary> before;
    bool told;
};

RecordSummary bestOf(int points)
{
    RecordSummary s;
    s.personScores = 1;
    s.gamesFinished = 1;
    s.bestScore = points;
    return s;
}

TEST_F(RecordedPlay, ANewBestScoreIsToldAfterTheGameOver)
{
    const std::vector<BestCase> cases = {
        {"beats the best", bestOf(61), true},
        {"equals the best", bestOf(62), false},
        {"no finished game before", RecordSummary{}, false},
        {"record not read", std::nullopt, false},
    };
    for (const BestCase& c : cases) {
        SCOPED_TRACE(c.name);
        record.known = c.before;
        record.finished.clear();
        newGame(1);
        for (int r = 1; r <= 13; ++r) plainTurn(r);
        f.settle();
        ASSERT_EQ(record.finished.size(), 1u);
        EXPECT_EQ(record.finished.front(), std::vector<int16_t>{62});
        const std::string over = "game over, you scored 62 Press function key F 9 to start a new game or function key F 1 for help. ";
        if (c.told)
            EXPECT_EQ(lastHeard(2), (std::vector<std::string>{over, "A new best score."}));
        else
            EXPECT_EQ(f.voice.last(), over);
    }
}

TEST_F(RecordedPlay, WithSeveralPeopleEachNewBestIsToldByPlayer)
{
    record.known = bestOf(61);
    newGame(2);
    for (int r = 1; r <= 13; ++r) {
        plainTurn(r);
        plainTurn(r, r == 10 ? "11111" : "12346");  // a Yacht where the small straight would score
    }
    f.settle();
    ASSERT_EQ(record.finished.size(), 1u);
    EXPECT_EQ(record.finished.front()[0], 62);
    EXPECT_LT(record.finished.front()[1], 62);
    EXPECT_EQ(f.voice.last(), "player 1, a new best score.");
}

TEST_F(RecordedPlay, AResumedGameIsReportedWithTheCellsScoredBefore)
{
    Game& g = f.y.game;
    g.numPlayers = 1;
    g.player = 1;
    g.round = 3;
    g.state = EngineState::WaitSpace;
    g.scores[1][1] = 3;
    g.scores[6][1] = 18;
    plainTurn(4);
    EXPECT_EQ(record.begun, 0);
    ASSERT_EQ(record.resumed.size(), 1u);
    EXPECT_EQ(record.resumed.front(), (std::vector<ScoredCell>{{1, 1, 3}, {1, 6, 18}}));
    plainTurn(5);
    EXPECT_EQ(record.resumed.size(), 1u) << "the game goes on in the same record game";
    EXPECT_EQ(record.turns.size(), 2u);
}

TEST_F(RecordedPlay, F5TellsTheRecordAPartAPress)
{
    key(keys::F5);
    EXPECT_EQ(f.voice.last(), "No game has been finished yet, so there are no best scores.");

    RecordSummary s = bestOf(245);
    s.gamesFinished = 2;
    s.personScores = 2;
    s.averageScore = 200.25;
    s.upperBonuses = 1;
    s.yachtsThrown = 3;
    s.averageCost = 0.14;
    s.best = {{245, 1765368000, true}, {155, 1765281600, false}};
    s.strong = {1, 2};
    record.known = s;
    const std::vector<std::vector<std::string>> parts = {
        {"The best scores.", "245, on 10 December 2025, with the coach.", "155, on 9 December 2025."},
        {"2 games finished, an average score of 200.3, the best 245.", "The upper bonus reached 1 times out of 2.",
         "3 Yachts thrown.", "A choice cost 0.1 points on average against perfect play."},
        {"Against the strong computer, 1 won and 2 lost."},
        {"The best scores.", "245, on 10 December 2025, with the coach.", "155, on 9 December 2025."},
    };
    for (const auto& part : parts) {
        EXPECT_EQ(heardFrom(keys::F5), part);
    }
    key(keys::F3);
    EXPECT_EQ(heardFrom(keys::F5), parts.front()) << "after another report F5 begins again";
}

}  // namespace
}  // namespace yacht::test
