#pragma once
// Turns Qt key events into the game's key codes and modifier sets.

#include <Qt>
#include <cstdint>

namespace yacht {

// Where a key event's native scan code comes from: an X keyboard (the X keycode, as on X11 and
// Wayland) or nowhere the game can read a key's position from (offscreen, synthesised events).
enum class NativeKeys { None, X11 };

// The game's key code for a Qt key. Digits and function keys are taken by their position on the
// keyboard when the native code tells it, so that Shift+1 is still 1 and a layout whose digit row
// needs Shift still gives digits; letters keep the layout's letter. Every key gets a code: keys
// the game has no code for get keys::OtherKey.
int gameKeyCode(int qtKey, Qt::KeyboardModifiers modifiers, uint32_t nativeScanCode = 0,
                NativeKeys native = NativeKeys::None);

// Shift 1, Ctrl 2, Alt 4, added.
int gameModifiers(Qt::KeyboardModifiers modifiers);

}  // namespace yacht
