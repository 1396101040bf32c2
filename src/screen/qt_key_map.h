#pragma once
// Turns Qt key events into the game's key codes and modifier sets.

#include <Qt>

namespace yacht {

// The game's key code for a Qt key (0 for a key the game does not know).
int gameKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

// Shift 1, Ctrl 2, Alt 4, added.
int gameModifiers(Qt::KeyboardModifiers modifiers);

}  // namespace yacht
