#pragma once
// A key as the engine takes it: what was pressed or clicked, with which modifiers, and from where.

#include <cstdint>

namespace yacht {

// Where a key came from: the keyboard, or a click on a label that stands for a key.
enum class KeySource : int32_t {
    Keyboard,  // typed on the keyboard
    Legend,    // a click on a label that stands for a key: a legend, a die, the status box, a count
    Row,       // a click on a category row while choosing: the row's digit, the cursor already on it
};

// A key: its code, the modifiers held with it (1 Shift, 2 Ctrl, 4 Alt, added) and its source.
struct Key {
    int code = 0;  // 0 when no key was taken
    int modifier = 0;
    KeySource source = KeySource::Keyboard;
    friend bool operator==(const Key&, const Key&) = default;
};

}  // namespace yacht
