#pragma once
// What the window and the terminal's sheet show besides the game itself: which sheet, the lit row
// and die, the side panel's total and the status caption. The front end keeps them from the
// game's events as they are told (showEvent); they are never saved.

#include <cstdint>
#include <optional>

#include "engine/event.h"
#include "engine/status_caption.h"

namespace yacht {

// Which sheet the score column shows: as designed (blank), a card, every player's total, or the
// choice of the number of players.
enum class Sheet : uint8_t { Designed, Card, Scoreboard, Players };

// What the window shows besides the game; never saved.
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

// Brings the view facts in line with an event the game told; false when the event is not one of
// what is shown, and nothing changed.
bool showEvent(ViewFacts& view, const EventFacts& event);

}  // namespace yacht
