#pragma once
// The key strings a terminal's terminfo entry gives, read through ncurses' low-level terminfo
// functions only (no curses screen, which would redraw).

#include <string>

#include "terminal/key_decoder.h"

namespace yacht {

// F1 to F12 with the modifier groups terminfo numbers on from F13 (Shift, Ctrl, Ctrl+Shift, Alt,
// Alt+Shift, in twelves) and the four arrows, as the entry for `term` gives them; nothing when
// the terminal has no entry.
KeyStrings terminfoKeyStrings(const std::string& term);

}  // namespace yacht
