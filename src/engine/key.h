#pragma once
// A key as the engine takes it: what was pressed, with which modifiers.

#include <cstdint>

namespace yacht {

// A key: its code and the modifiers held with it (1 Shift, 2 Ctrl, 4 Alt, added).
struct Key {
    int code = 0;  // 0 when no key was taken
    int modifier = 0;
    friend bool operator==(const Key&, const Key&) = default;
};

}  // namespace yacht
