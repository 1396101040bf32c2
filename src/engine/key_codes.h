#pragma once
// The platform-neutral key codes of the game (the codes of the design's keyboard).

namespace yacht::keys {

inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Digit0 = 48;
inline constexpr int Digit1 = 49;
inline constexpr int Keypad0 = 96;
inline constexpr int F1 = 112;
inline constexpr int F2 = 113;
inline constexpr int F3 = 114;
inline constexpr int F4 = 115;
inline constexpr int F9 = 120;
inline constexpr int F12 = 123;

inline constexpr int Shift = 1;
inline constexpr int Ctrl = 2;
inline constexpr int Alt = 4;

}  // namespace yacht::keys
