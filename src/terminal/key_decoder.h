#pragma once
// Turns the bytes a terminal sends for its keys into the game's keys: plain characters, control
// characters, and the escape sequences of function keys and arrows, with their modifiers.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/key.h"

namespace yacht {

// A terminal's own strings for keys (from its terminfo entry), each with the key it stands for.
// They are tried before the sequences every xterm-like terminal and the Linux console send.
using KeyStrings = std::vector<std::pair<std::string, Key>>;

// Letters arrive as their upper-case codes (Shift is not told apart from the letter's case),
// control characters as their letter with Ctrl, Escape followed by a key as that key with Alt.
// An Escape is only an Escape once nothing has followed it for a moment: the front end calls
// flush() when that moment has passed, so a sequence split between reads still decodes whole.
class KeyDecoder {
public:
    explicit KeyDecoder(KeyStrings strings = {}) : strings_(std::move(strings)) {}

    // The keys the bytes complete, in order; an unfinished sequence waits for more.
    std::vector<Key> feed(std::string_view bytes);
    // True while the bytes so far may still begin a longer key.
    bool waiting() const { return !buffer_.empty(); }
    // The moment has passed: what waits is taken as it stands (a lone Escape is Escape).
    std::vector<Key> flush();

private:
    std::vector<Key> decode(bool final);

    KeyStrings strings_;
    std::string buffer_;
};

}  // namespace yacht
