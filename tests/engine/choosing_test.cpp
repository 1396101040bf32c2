// Choosing the category after the last throw: the cursor, what each row is worth, and scoring.

#include <gtest/gtest.h>

#include "engine/key_codes.h"
#include "engine/key_input.h"
#include "engine/mouse_clicks.h"
#include "engine/rolling.h"
#include "support/turn_script.h"

namespace yacht::test {
namespace {

// Player 1 of a one-player game in the given round, choosing after the last throw of these
// dice, with Ones already taken as "3" and the cursor where given.
void choosing(FakeGame& f, const char* dice, int16_t round = 1, int16_t cursor = 0)
{
    Game& g = f.y.game;
    g.scores[1][1] = 3;
    waitForTurn(f);
    showCard(f.y.game, f.y.tell);
    g.round = round;
    for (int i = 0; i < 5; ++i) g.dice[i] = faceOf(dice[i]);
    priceCategories(f.y.game);
    g.roll = 3;
    g.state = EngineState::Choosing;
    g.categoryCursor = cursor;
}

int opaqueRow(const Board& b)
{
    int row = 0;
    for (int r = 1; r <= 13; ++r)
        if (b.sheetCaptions[r].backstyle == BackStyle::Opaque) row = row == 0 ? r : -1;
    return row;
}

TEST(TheCategoryCursor, StopsAtBothEndsAndNamesTheRowWithItsWorth)
{
    struct Case {
        int16_t from;
        int key;
        int16_t to;
        const char* said;
    };
    const Case cases[] = {
        {0, keys::Right, 1, "Ones is already taken"},
        {0, keys::Left, 1, "Ones is already taken"},
        {0, keys::Down, 1, "Ones is already taken"},
        {0, keys::Up, 1, "Ones is already taken"},
        {1, keys::Left, 1, "Ones is already taken"},
        {1, keys::Up, 1, "Ones is already taken"},
        {1, keys::Down, 2, "Twos is worth 6"},
        {3, keys::Right, 4, "Fours is worth nothing"},
        {13, keys::Right, 13, "Yacht is worth nothing"},
        {13, keys::Down, 13, "Yacht is worth nothing"},
        {12, keys::Left, 11, "Large straight is worth nothing"},
        {10, keys::Up, 9, "Full house is worth 25"},
        {0, keys::Space, 1, "Ones is already taken"},
        {7, 'A', 7, "3 of a kind is worth 12"},
        {8, keys::Digit1, 8, "4 of a kind is worth nothing"},
    };
    for (const Case& c : cases) {
        FakeGame f;
        choosing(f, "23322", 1, c.from);
        EXPECT_EQ(pressAndDrain(f, c.key), (std::vector<std::string>{c.said}))
            << "from " << c.from << " key " << c.key;
        EXPECT_EQ(f.y.game.categoryCursor, c.to) << "from " << c.from << " key " << c.key;
        EXPECT_EQ(opaqueRow(f.shown()), c.to) << "from " << c.from << " key " << c.key;
        EXPECT_EQ(f.y.game.state, EngineState::Choosing);
    }
}

TEST(AClickOnACategoryRow, PutsTheCursorOnItsRowAndLightsIt)
{
    for (int row : {1, 7, 13}) {
        FakeGame f;
        choosing(f, "23322", 1, 4);
        f.y.game.categoryCursor = 4;
        postClick(f.y.pendingInput, f.y.game, Click{ClickTarget::SheetRow, row});
        f.tick();
        EXPECT_EQ(f.y.game.categoryCursor, row);
        EXPECT_EQ(opaqueRow(f.shown()), row);
    }
}

TEST(AFunctionKeyWhileChoosing, LeavesTheCursorAndTheHighlightAlone)
{
    FakeGame f;
    choosing(f, "23322", 1, 0);
    f.press(keys::Down);
    f.press(keys::Down);
    f.press(keys::F3);
    EXPECT_EQ(f.y.game.categoryCursor, 2);
    EXPECT_EQ(opaqueRow(f.shown()), 2);
}

TEST(EnterOnATakenCategory, IsSilentAndChangesNothing)
{
    FakeGame f;
    choosing(f, "23322", 1, 0);
    f.press(keys::Right);
    ASSERT_EQ(f.voice.last(), "Ones is already taken");
    const std::size_t said = f.voice.spoken.size();
    EXPECT_EQ(pressAndDrain(f, keys::Enter), std::vector<std::string>{});
    EXPECT_EQ(f.voice.spoken.size(), said);
    EXPECT_EQ(f.y.game.state, EngineState::Choosing);
    EXPECT_EQ(f.y.game.scores[1][1], 3);
    EXPECT_EQ(f.y.game.roll, 3);
    EXPECT_EQ(f.y.game.categoryCursor, 1);
}

TEST(EnterWithNoCategoryUnderTheCursor, DoesNothing)
{
    FakeGame f;
    choosing(f, "23322", 1, 0);
    f.press(keys::Enter);
    EXPECT_EQ(f.y.game.state, EngineState::Choosing);
    EXPECT_EQ(f.y.toBeHeard, queued(""));
    for (int r = 2; r <= 13; ++r) EXPECT_EQ(f.y.game.scores[r][1], std::nullopt) << r;
}

TEST(EnterOnAFreeCategory, ScoresItRedrawsTheCardAndSaysTheTotal)
{
    struct Case {
        const char* dice;
        int16_t round;
        int16_t cursor;
        const char* written;
        int total;
        const char* said;
    };
    const Case cases[] = {
        {"23322", 1, 9, "25", 28, "After 1 round your total score is 28"},
        {"23322", 2, 4, "0", 3, "After 2 rounds your total score is 3"},  // worth nothing
        {"66666", 12, 6, "30", 33, "After 12 rounds your total score is 33"},
        {"66666", 13, 13, "50", 53, ""},  // the end of the game speaks instead
    };
    for (const Case& c : cases) {
        FakeGame f;
        choosing(f, c.dice, c.round, c.cursor);
        f.press(keys::Up);
        f.press(keys::Down);  // marks the row, so scoring must clear it
        ASSERT_EQ(f.y.game.categoryCursor, c.cursor);
        const std::size_t said = f.voice.spoken.size();
        f.press(keys::Enter);
        const Game& g = f.y.game;
        EXPECT_EQ(cellText(g.scores[c.cursor][1]), c.written) << c.said;
        EXPECT_EQ(f.shown().sheetValues[c.cursor].caption, c.written) << c.said;
        EXPECT_EQ(g.total, c.total) << c.said;
        EXPECT_EQ(g.scores[kTotalRow][1], c.total) << c.said;
        EXPECT_EQ(f.shown().sidePanel[2].caption, decimal(c.total)) << c.said;
        EXPECT_EQ(g.state, EngineState::TurnEnd) << c.said;
        EXPECT_EQ(g.roll, 0) << c.said;
        EXPECT_EQ(g.categoryCursor, 0) << c.said;
        EXPECT_EQ(opaqueRow(f.shown()), 0) << c.said;
        if (*c.said)
            EXPECT_EQ(f.voice.last(), c.said);
        else
            EXPECT_EQ(f.voice.spoken.size(), said) << "round 13 says nothing here";
        EXPECT_EQ(f.y.toBeHeard, queued("")) << c.said;
        expectBoardInStep(f, c.said);
    }
}

}  // namespace
}  // namespace yacht::test
