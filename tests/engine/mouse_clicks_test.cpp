#include <gtest/gtest.h>

#include "engine/key_codes.h"
#include "engine/mouse_clicks.h"
#include "support/fakes.h"

namespace yacht {
namespace {

std::optional<Key> key(int code, KeySource source = KeySource::Legend)
{
    return Key{code, 0, source};
}

constexpr std::nullopt_t none = std::nullopt;

TEST(SideLegendClick, LegendsPostTheirFunctionKeysAndTheRestNothing)
{
    const std::optional<Key> expected[9] = {none, none, none, key(keys::F1), key(keys::F2), key(keys::F3),
                                      key(keys::F4), key(keys::F9), key(keys::F12)};
    for (int i = 0; i < 9; ++i) {
        test::FakeGame f;
        f.y.game.state = EngineState::Rolled;
        clickSidePanel(f.y.pendingKey, i);
        EXPECT_EQ(f.y.pendingKey, expected[i]) << i;
    }
}

TEST(DiceClick, EachDiePostsItsDigitInEveryState)
{
    for (EngineState state : {EngineState::Idle, EngineState::Rolled, EngineState::Players}) {
        for (int i = 0; i < 5; ++i) {
            test::FakeGame f;
            f.y.game.state = state;
            clickDie(f.y.pendingKey, i);
            EXPECT_EQ(f.y.pendingKey, key('1' + i)) << i;
        }
    }
}

// What a click on a sheet row or the status box leaves behind.
struct ClickCase {
    const char* what;
    EngineState state;
    int categoryCursor, numPlayers;
    int row;  // 0 and up: a sheet row; -1: the status box
    std::optional<Key> pendingKey;
    EngineState stateAfter;
    int catcursorAfter, numplayersAfter, playerAfter, roundAfter;
};

TEST(SheetAndStatusClick, PostKeysAndPickWhatTheyStandFor)
{
    const EngineState C = EngineState::Choosing, P = EngineState::Players,
                      R = EngineState::Rolling, D = EngineState::Rolled, I = EngineState::Idle,
                      W = EngineState::WaitSpace;
    const ClickCase cases[] = {
        {"row 4 while choosing", C, 0, 1, 4, key(52, KeySource::Row), C, 4, 1, 0, 5},
        {"row 13 while choosing", C, 2, 1, 13, key(61, KeySource::Row), C, 13, 1, 0, 5},
        {"sheet background while choosing", C, 2, 1, 0, none, C, 2, 1, 0, 5},
        {"row 3 while choosing players", P, 0, 0, 3, key(keys::Space), P, 0, 3, 0, 5},
        {"row 7 while choosing players", P, 0, 2, 7, none, P, 0, 2, 0, 5},
        {"subtotal row while choosing players", P, 0, 2, 14, none, P, 0, 2, 0, 5},
        {"row 2 between throws", D, 0, 1, 2, none, D, 0, 1, 0, 5},
        {"status between throws", D, 0, 1, -1, key(keys::Space), D, 0, 1, 0, 5},
        {"status choosing, no cursor", C, 0, 1, -1, key(keys::Space), C, 0, 1, 0, 5},
        {"status choosing, cursor on 9", C, 9, 1, -1, key(keys::Enter), C, 9, 1, 0, 5},
        {"status, players not picked", P, 0, 0, -1, key(keys::Space), P, 0, 0, 0, 5},
        {"status, two players picked", P, 0, 2, -1, key(keys::Space), W, 0, 2, 1, 1},
        {"status while a throw is pending", R, 0, 1, -1, none, R, 0, 1, 0, 5},
        {"status with no game", I, 0, 0, -1, key(keys::Space), I, 0, 0, 0, 5},
    };
    for (const ClickCase& c : cases) {
        test::FakeGame f;
        Game& g = f.y.game;
        g.state = c.state;
        g.categoryCursor = static_cast<int16_t>(c.categoryCursor);
        g.numPlayers = static_cast<int16_t>(c.numPlayers);
        g.player = 0;
        g.round = 5;
        if (c.row >= 0)
            clickSheetRow(f.y.game, f.y.pendingKey, c.row);
        else
            clickStatusBox(f.y.game, f.y.pendingKey);
        EXPECT_EQ(f.y.pendingKey, c.pendingKey) << c.what;
        EXPECT_EQ(g.state, c.stateAfter) << c.what;
        EXPECT_EQ(g.categoryCursor, c.catcursorAfter) << c.what;
        EXPECT_EQ(g.numPlayers, c.numplayersAfter) << c.what;
        EXPECT_EQ(g.player, c.playerAfter) << c.what;
        EXPECT_EQ(g.round, c.roundAfter) << c.what;
    }
}

TEST(SheetAndStatusClick, SecondClickBeforeATickWinsButTheFirstClicksPickStays)
{
    test::FakeGame f;
    f.y.game.state = EngineState::Players;
    clickSheetRow(f.y.game, f.y.pendingKey, 4);
    clickDie(f.y.pendingKey, 1);
    EXPECT_EQ(f.y.pendingKey, key('2'));
    EXPECT_EQ(f.y.game.numPlayers, 4);
}

TEST(SheetAndStatusClick, StatusClickWhileThrowPendingKeepsAKeyAlreadyPosted)
{
    test::FakeGame f;
    f.y.game.state = EngineState::Rolling;
    clickSidePanel(f.y.pendingKey, 4);
    clickStatusBox(f.y.game, f.y.pendingKey);
    EXPECT_EQ(f.y.pendingKey, key(keys::F2));
}

}  // namespace
}  // namespace yacht
