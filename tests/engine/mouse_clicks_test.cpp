#include <gtest/gtest.h>

#include "engine/key_codes.h"
#include "engine/mouse_clicks.h"
#include "engine/tick.h"
#include "support/fakes.h"

namespace yacht {
namespace {

using K = ActionKind;

// What a click does, by the label and the state the game is in.
TEST(TheClickMap, GivesEachLabelItsActionInEachState)
{
    const EngineState C = EngineState::Choosing, P = EngineState::Players,
                      R = EngineState::Rolling, D = EngineState::Rolled, I = EngineState::Idle,
                      W = EngineState::WaitSpace;
    const ClickTarget legend = ClickTarget::Legend, die = ClickTarget::Die,
                      row = ClickTarget::SheetRow, box = ClickTarget::StatusBox;
    struct Case {
        const char* what;
        EngineState state;
        int categoryCursor, numPlayers;
        Click click;
        Action action;
    };
    const Case cases[] = {
        {"the panel itself", D, 0, 1, {legend, 2}, Action{}},
        {"the F1 legend", D, 0, 1, {legend, 3}, Action::of(K::Help)},
        {"the F12 legend", C, 0, 1, {legend, 8}, Action::of(K::Leave)},
        {"die 3 between throws", D, 0, 1, {die, 2}, Action::of(K::ToggleDie, 3)},
        {"die 2 while choosing players", P, 0, 0, {die, 1}, Action::of(K::PlayerCount, 2)},
        {"die 1 while choosing", C, 4, 1, {die, 0}, Action::of(K::SayCategory)},
        {"die 5 between turns", W, 0, 1, {die, 4}, Action::of(K::Hush)},
        {"row 4 while choosing", C, 0, 1, {row, 4}, Action::of(K::SayCategory, 4)},
        {"row 13 while choosing", C, 2, 1, {row, 13}, Action::of(K::SayCategory, 13)},
        {"the sheet's background while choosing", C, 2, 1, {row, 0}, Action{}},
        {"row 3 while choosing players", P, 0, 0, {row, 3}, Action::of(K::SayPlayerCount, 3)},
        {"row 7 while choosing players", P, 0, 2, {row, 7}, Action{}},
        {"row 2 between throws", D, 0, 1, {row, 2}, Action{}},
        {"status between throws", D, 0, 1, {box, 0}, Action::of(K::Throw)},
        {"status between turns", W, 0, 1, {box, 0}, Action::of(K::Continue)},
        {"status choosing, no cursor", C, 0, 1, {box, 0}, Action::of(K::SayCategory)},
        {"status choosing, cursor on 9", C, 9, 1, {box, 0}, Action::of(K::Score)},
        {"status, players not picked", P, 0, 0, {box, 0}, Action::of(K::SayPlayerCount)},
        {"status, two players picked", P, 0, 2, {box, 0}, Action::of(K::BeginAtOnce)},
        {"status while a throw is pending", R, 0, 1, {box, 0}, Action{}},
        {"status with no game", I, 0, 0, {box, 0}, Action::of(K::Hush)},
    };
    for (const Case& c : cases) {
        test::FakeGame f;
        Game& g = f.y.game;
        g.state = c.state;
        g.categoryCursor = static_cast<int16_t>(c.categoryCursor);
        g.numPlayers = static_cast<int16_t>(c.numPlayers);
        EXPECT_EQ(actionForClick(c.click, g), c.action) << c.what;
        // A click that does nothing is not left for the step, so it hushes nothing either.
        postClick(f.y.pendingInput, g, c.click);
        EXPECT_EQ(f.y.pendingInput.has_value(), c.action.kind != K::None) << c.what;
    }
}

// The clicks that pick something, through a step: the row the cursor is put on, the count
// chosen, and the game begun with player 1's turn opened.
TEST(AClickTakenByAStep, PicksWhatItStandsFor)
{
    test::FakeGame f;
    Game& g = f.y.game;
    g.state = EngineState::Players;
    postClick(f.y.pendingInput, g, Click{ClickTarget::SheetRow, 4});
    f.tick();
    EXPECT_EQ(g.numPlayers, 4);
    EXPECT_EQ(g.state, EngineState::Players);

    postClick(f.y.pendingInput, g, Click{ClickTarget::StatusBox, 0});
    f.tick();
    EXPECT_EQ(g.round, 1);
    EXPECT_EQ(g.player, 1);
    EXPECT_EQ(g.state, EngineState::Rolling) << "the first turn is opened without the space bar";
}

TEST(AStatusClickWhileAThrowIsPending, KeepsAKeyAlreadyPosted)
{
    test::FakeGame f;
    f.y.game.state = EngineState::Rolled;
    postClick(f.y.pendingInput, f.y.game, Click{ClickTarget::Legend, 4});
    f.y.game.state = EngineState::Rolling;
    postClick(f.y.pendingInput, f.y.game, Click{ClickTarget::StatusBox, 0});
    EXPECT_EQ(f.y.pendingInput, (PendingInput{Click{ClickTarget::Legend, 4}}));
}

}  // namespace
}  // namespace yacht
