#pragma once
// What the window and the terminal's sheet show besides the game itself: which sheet, the lit row
// and die, the side panel's total and the status caption. The engine sets them as the game moves,
// through the teller; they are never saved.

#include <cstdint>
#include <optional>

namespace yacht {

// Which sheet the score column shows: as designed (blank), a card, every player's total, or the
// choice of the number of players.
enum class Sheet : uint8_t { Designed, Card, Scoreboard, Players };

// The status caption over the sheet. `RollDice` is also the caption the window is designed with.
enum class Status : int16_t {
    RollDice,
    GameOver,
    SelectCategory,
    FirstRoll,
    SecondRoll,
    ThirdRoll,
    ChoosePlayers,
    SpaceToBegin,
    SpaceToContinue,
};

// What the window shows that the rest of the game does not decide; never saved.
struct ViewFacts {
    Sheet sheet = Sheet::Designed;
    int16_t cardPlayer = 0;     // whose card was drawn last (the player then current)
    bool cardDrawn = false;     // a card has been drawn: its subtotal caption and title stay
    int16_t litRow = 0;         // the highlighted sheet row, 0 for none
    int16_t litDie = 0;         // the die lit red by the dice cursor (1..5), 0 for none
    std::optional<int16_t> sideTotal;  // the side panel's total as last drawn; none when blank
    bool started = false;       // start-up has run: the side title reads "YACHT" until a card
    Status status = Status::RollDice;
};

}  // namespace yacht
