// The key map: what each key does in each state, for a person and during a computer's turn.

#include <gtest/gtest.h>

#include "engine/key_actions.h"
#include "engine/key_codes.h"

namespace yacht {
namespace {

using K = ActionKind;

TEST(KeyMap, GivesEachKeyItsActionInTheStateItReaches)
{
    struct Case {
        const char* what;
        EngineState state;
        int code, modifier;
        Action expected;
        int diceCursor = 0;
        bool computer = false;  // player 1 of 2, whose turn it is, is the computer's
    };
    const EngineState I = EngineState::Idle, W = EngineState::WaitSpace, D = EngineState::Rolled,
                      C = EngineState::Choosing, P = EngineState::Players, R = EngineState::Rolling;
    const auto a = [](K kind, int number = 0) { return Action::of(kind, number); };
    const Case cases[] = {
        {"Shift alone hushes, even choosing the players", P, keys::ShiftKey, keys::Shift, a(K::Hush)},
        {"F1", I, keys::F1, 0, a(K::Help)},
        {"Shift+Ctrl+F1", W, keys::F1, keys::Shift | keys::Ctrl, a(K::NextSpeed)},
        {"Ctrl+F2 still the dice", C, keys::F2, keys::Ctrl, a(K::ReportDice)},
        {"F3 choosing the players", P, keys::F3, 0, a(K::ReportCategories)},
        {"F9 during a pending throw", R, keys::F9, 0, a(K::NewGame)},
        {"H in a computer's turn", D, 'H', 0, a(K::Coach), 0, true},
        {"space bar between turns", W, keys::Space, 0, a(K::Continue)},
        {"Enter between turns", W, keys::Enter, 0, a(K::Hush)},
        {"space bar on the dice", D, keys::Space, 0, a(K::Throw)},
        {"digit 3 on the dice", D, keys::Digit1 + 2, 0, a(K::ToggleDie, 3)},
        {"Enter on the die under the cursor", D, keys::Enter, 0, a(K::ToggleDie, 4), 4},
        {"Enter with no die under the cursor", D, keys::Enter, 0, a(K::Hush)},
        {"Up choosing", C, keys::Up, 0, a(K::PreviousCategory)},
        {"Enter choosing", C, keys::Enter, 0, a(K::Score)},
        {"the space bar choosing says the row again", C, keys::Space, 0, a(K::SayCategory)},
        {"a key above F1 choosing", C, keys::Semicolon, 0, a(K::Hush)},
        {"digit 9 choosing the players", P, keys::Digit1 + 8, 0, a(K::SayPlayerCount)},
        {"a digit during a pending throw", R, keys::Digit1, 0, a(K::Hush)},
        {"space bar in a computer's turn", D, keys::Space, 0, a(K::Continue), 0, true},
        {"Enter in a computer's turn", C, keys::Enter, 0, a(K::Hush), 0, true},
        {"V the next voice, choosing", C, 'V', 0, a(K::NextVoice)},
        {"B the previous voice, in a computer's turn", D, 'B', 0, a(K::PreviousVoice), 0, true},
        {"R the next speed, choosing the players", P, 'R', 0, a(K::NextSpeed)},
        {"Ctrl+R is no speed key", C, 'R', keys::Ctrl, a(K::SayCategory)},
        {"N on the dice moves right", D, 'N', 0, a(K::NextDie)},
        {"P on the dice moves left", D, 'P', 0, a(K::PreviousDie)},
        {"N choosing walks down", C, 'N', 0, a(K::NextCategory)},
        {"P choosing the players counts down", P, 'P', 0, a(K::FewerPlayers)},
        {"N between turns only hushes", W, 'N', 0, a(K::Hush)},
    };
    for (const Case& c : cases) {
        Game g;
        g.state = c.state;
        g.numPlayers = 2;
        g.player = 1;
        g.diceCursor = static_cast<int16_t>(c.diceCursor);
        if (c.computer) g.seats.kind[1] = SeatKind::Strong;
        EXPECT_EQ(actionFor(Key{c.code, c.modifier}, g), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace yacht
