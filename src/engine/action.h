#pragma once
// What a player or a computer does, whatever it came from: a key, a click, or a computer's move.
// The engine's handlers take actions; the key map (key_actions.h) and the click map
// (mouse_clicks.h) turn keys and clicks into them.

#include <array>
#include <cstdint>

#include "rules/category_prices.h"

namespace yacht {

enum class ActionKind : uint8_t {
    None,  // no key was taken
    Hush,  // a key that means nothing here: it has emptied the queue and does nothing else

    // The turn.
    Continue,   // the space bar between turns: open the turn; in a computer's turn, skip to its end
    Throw,      // throw the dice not held again
    ToggleDie,  // hold or release die `number` (1..5)
    NextDie,      // the dice cursor one die to the right, wrapping
    PreviousDie,  // the dice cursor one die to the left, wrapping
    Keep,       // hold exactly the dice in `hold` and throw the rest (a computer's move)

    // Choosing a category.
    NextCategory,      // the category cursor one row down
    PreviousCategory,  // the category cursor one row up
    SayCategory,       // the row under the cursor said again, with its worth; `number` puts the
                       // cursor on that row first (0 leaves it where it is)
    Score,             // score category `number`, or the one under the cursor when 0

    // Reports, the coach and help.
    ReportDice,
    ReportCategories,
    ReportScore,
    ReportRecord,      // the best scores and statistics, one part a press
    ReportOthersTurns, // the turns played since the current person's last, one a press
    Coach,
    Help,  // the next help page

    // The voice.
    NextVoice,
    PreviousVoice,
    NextSpeed,
    ToggleWording,  // brief speech or full speech, the other one

    // A new game and its players.
    NewGame,        // asks first when a game is under way
    AnswerNewGame,  // the answer to that question: `number` 1 start afresh, 0 keep playing
    MorePlayers,
    FewerPlayers,
    PlayerCount,     // `number` players, and the game begins
    StartGame,       // the game begins with the number of players chosen
    BeginAtOnce,     // as StartGame, and player 1's turn opens without asking for the space bar
    SayPlayerCount,  // the number of players said again; `number` chooses that count first
    CycleComputers,  // one more seat, counted from the last, for the computer (wrapping to none)
    CycleStrength,   // the computer plays casually or strongly

    Leave,  // store the game and the settings, say goodbye, end
};

struct Action {
    ActionKind kind = ActionKind::None;
    int number = 0;                  // the die, the category, the count or the answer, by kind
    std::array<bool, kDiceThrown> hold{};  // Keep: the dice to hold, by position

    // True for an action that does something besides hushing the queue.
    bool acts() const { return kind != ActionKind::None && kind != ActionKind::Hush; }

    static Action of(ActionKind kind, int number = 0) { return Action{kind, number, {}}; }
    static Action keep(const std::array<bool, kDiceThrown>& hold) { return Action{ActionKind::Keep, 0, hold}; }
    friend bool operator==(const Action&, const Action&) = default;
};

}  // namespace yacht
