#pragma once
// Mouse clicks: each clickable label posts the key it stands for, so a sighted player can drive
// the game with the mouse; the next step takes the key as if it had been typed, and
// the key map makes it the same action.

#include <optional>

#include "engine/game_state.h"
#include "engine/key.h"

namespace yacht {

// The function-key legend (elements 3 to 8) posts F1, F2, F3, F4, F9 or F12 without modifier;
// the panel, the title and the total (elements 0 to 2) do nothing.
void clickSidePanel(std::optional<Key>& pendingKey, int index);

// Die 0 to 4 posts the digit 1 to 5: it holds or releases the die, or picks that many players.
void clickDie(std::optional<Key>& pendingKey, int index);

// A sheet row picks its category while choosing (categoryCursor and the row's digit, from the row)
// or, rows 1 to 6, a number of players while they are chosen (numPlayers and the space bar).
void clickSheetRow(Game& g, std::optional<Key>& pendingKey, int index);

// The status box throws (space bar), scores the category under the cursor (enter) or starts
// the game once a number of players is picked; ignored while a throw is pending.
void clickStatusBox(Game& g, std::optional<Key>& pendingKey);

}  // namespace yacht
