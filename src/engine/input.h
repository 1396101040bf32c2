#pragma once
// What a front end hands the engine between two steps: a key pressed, or a click on one of the
// window's labels. The key map and the click map turn either into an action, in the state the
// step reaches.

#include <cstdint>
#include <optional>
#include <variant>

#include "engine/key.h"

namespace yacht {

// The labels a click means something on, each counted from 0 in its own kind.
enum class ClickTarget : uint8_t {
    Legend,     // the side panel: 0 to 2 the panel, title and total, 3 to 8 the function keys' legend
    Die,        // die 0 to 4
    SheetRow,   // the sheet's rows: 1 to 13 the categories
    StatusBox,  // the box under the dice
};

struct Click {
    ClickTarget target = ClickTarget::Legend;
    int index = 0;
    friend bool operator==(const Click&, const Click&) = default;
};

using Input = std::variant<Key, Click>;

// The key or click the next step takes, if any; a newer one takes the place of one not yet taken.
using PendingInput = std::optional<Input>;

}  // namespace yacht
