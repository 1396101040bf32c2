#include "screen/qt_key_map.h"

#include "engine/key_codes.h"

namespace yacht {
namespace {

// The X keycodes of the digit row and the function keys on every PC keyboard (evdev numbering,
// which X11 and Wayland both report): the same whatever the layout and the modifiers held.
constexpr uint32_t kX11Digit1 = 10;   // 1 to 9 are 10 to 18
constexpr uint32_t kX11Digit0 = 19;
constexpr uint32_t kX11F1 = 67;       // F1 to F10 are 67 to 76
constexpr uint32_t kX11F10 = 76;
constexpr uint32_t kX11F11 = 95;
constexpr uint32_t kX11F12 = 96;

// The key's code from its position, or 0 when the position does not settle it.
int byPosition(uint32_t scan)
{
    if (scan >= kX11Digit1 && scan < kX11Digit0) return keys::Digit1 + int(scan - kX11Digit1);
    if (scan == kX11Digit0) return keys::Digit0;
    if (scan >= kX11F1 && scan <= kX11F10) return keys::F1 + int(scan - kX11F1);
    if (scan == kX11F11) return keys::F1 + 10;
    if (scan == kX11F12) return keys::F12;
    return 0;
}

// The codes of the keys that are neither letters, digits nor function keys.
int otherKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Space: return keys::Space;
    case Qt::Key_Return:
    case Qt::Key_Enter: return keys::Enter;
    case Qt::Key_Escape: return keys::Escape;
    case Qt::Key_Left: return keys::Left;
    case Qt::Key_Up: return keys::Up;
    case Qt::Key_Right: return keys::Right;
    case Qt::Key_Down: return keys::Down;
    case Qt::Key_Backspace: return keys::Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return keys::Tab;
    case Qt::Key_PageUp: return keys::PageUp;
    case Qt::Key_PageDown: return keys::PageDown;
    case Qt::Key_End: return keys::End;
    case Qt::Key_Home: return keys::Home;
    case Qt::Key_Print: return keys::PrintScreen;
    case Qt::Key_Insert: return keys::Insert;
    case Qt::Key_Delete: return keys::Delete;
    case Qt::Key_Shift: return keys::ShiftKey;
    case Qt::Key_Control: return keys::CtrlKey;
    case Qt::Key_Alt:
    case Qt::Key_AltGr: return keys::AltKey;
    case Qt::Key_Meta:
    case Qt::Key_Super_L: return keys::LeftWindows;
    case Qt::Key_Super_R: return keys::RightWindows;
    case Qt::Key_CapsLock: return keys::CapsLock;
    case Qt::Key_NumLock: return keys::NumLock;
    case Qt::Key_ScrollLock: return keys::ScrollLock;
    case Qt::Key_Pause: return keys::Pause;
    case Qt::Key_Menu: return keys::Menu;
    case Qt::Key_Semicolon: return keys::Semicolon;
    case Qt::Key_Equal: return keys::Equals;
    case Qt::Key_Comma: return keys::Comma;
    case Qt::Key_Minus: return keys::Minus;
    case Qt::Key_Period: return keys::Period;
    case Qt::Key_Slash: return keys::Slash;
    case Qt::Key_QuoteLeft: return keys::Backquote;
    case Qt::Key_BracketLeft: return keys::OpenBracket;
    case Qt::Key_Backslash: return keys::Backslash;
    case Qt::Key_BracketRight: return keys::CloseBracket;
    case Qt::Key_Apostrophe: return keys::Apostrophe;
    default: return keys::OtherKey;
    }
}

}  // namespace

int gameKeyCode(int qtKey, Qt::KeyboardModifiers modifiers, uint32_t nativeScanCode,
                NativeKeys native)
{
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (native == NativeKeys::X11 && !keypad) {
        if (const int code = byPosition(nativeScanCode)) return code;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return keys::F1 + (qtKey - Qt::Key_F1);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        // Keypad digits are distinct keys: they are recorded but no state uses them.
        const int digit = qtKey - Qt::Key_0;
        return keypad ? keys::Keypad0 + digit : keys::Digit0 + digit;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return keys::LetterA + (qtKey - Qt::Key_A);
    if (qtKey == 0 || qtKey == Qt::Key_unknown) return keys::OtherKey;
    return otherKey(qtKey);
}

int gameModifiers(Qt::KeyboardModifiers modifiers)
{
    int set = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) set += keys::Shift;
    if (modifiers.testFlag(Qt::ControlModifier)) set += keys::Ctrl;
    if (modifiers.testFlag(Qt::AltModifier)) set += keys::Alt;
    return set;
}

}  // namespace yacht
