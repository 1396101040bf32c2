#pragma once
// The game's own names for the keys it tells apart, whatever the platform: the window's key map
// and any other front end turn their keys into these. Letters are their capital's character code.

namespace yacht::keys {

inline constexpr int Backspace = 8;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int ShiftKey = 16;
inline constexpr int CtrlKey = 17;
inline constexpr int AltKey = 18;
inline constexpr int Pause = 19;
inline constexpr int CapsLock = 20;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int PrintScreen = 44;
inline constexpr int Insert = 45;
inline constexpr int Delete = 46;
inline constexpr int Digit0 = 48;
inline constexpr int Digit1 = 49;
inline constexpr int LetterA = 'A';
inline constexpr int LeftWindows = 91;
inline constexpr int RightWindows = 92;
inline constexpr int Menu = 93;
inline constexpr int Keypad0 = 96;
inline constexpr int F1 = 112;
inline constexpr int F2 = 113;
inline constexpr int F3 = 114;
inline constexpr int F4 = 115;
inline constexpr int F5 = 116;
inline constexpr int F6 = 117;
inline constexpr int F9 = 120;
inline constexpr int F12 = 123;
inline constexpr int NumLock = 144;
inline constexpr int ScrollLock = 145;
// The punctuation keys, by their place on a US keyboard.
inline constexpr int Semicolon = 186;
inline constexpr int Equals = 187;
inline constexpr int Comma = 188;
inline constexpr int Minus = 189;
inline constexpr int Period = 190;
inline constexpr int Slash = 191;
inline constexpr int Backquote = 192;
inline constexpr int OpenBracket = 219;
inline constexpr int Backslash = 220;
inline constexpr int CloseBracket = 221;
inline constexpr int Apostrophe = 222;
// Every key the game has no code of its own for (dead keys, accented letters, media keys): it is
// still a key, and empties the speech queue like any other.
inline constexpr int OtherKey = 255;

inline constexpr int Shift = 1;
inline constexpr int Ctrl = 2;
inline constexpr int Alt = 4;

// A modifier or lock key pressed on its own: it hushes what is queued and is otherwise no key.
inline constexpr bool isModifierOrLock(int code)
{
    return code == ShiftKey || code == CtrlKey || code == AltKey || code == CapsLock ||
           code == LeftWindows || code == RightWindows || code == NumLock || code == ScrollLock;
}

}  // namespace yacht::keys
