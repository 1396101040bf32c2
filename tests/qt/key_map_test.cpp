#include <gtest/gtest.h>

#include "engine/key_codes.h"
#include "screen/qt_key_map.h"

namespace yacht {

TEST(QtKeys, MapToTheGamesKeyCodes)
{
    struct Case {
        int qtKey;
        Qt::KeyboardModifiers mods;
        int code;
        int modifier;
    };
    const Case cases[] = {
        {Qt::Key_F1, Qt::NoModifier, 112, 0},
        {Qt::Key_F1, Qt::ShiftModifier, 112, 1},
        {Qt::Key_F1, Qt::ShiftModifier | Qt::ControlModifier, 112, 3},
        {Qt::Key_F1, Qt::AltModifier, 112, 4},
        {Qt::Key_F12, Qt::NoModifier, 123, 0},
        {Qt::Key_Space, Qt::NoModifier, 32, 0},
        {Qt::Key_Return, Qt::NoModifier, 13, 0},
        {Qt::Key_Enter, Qt::KeypadModifier, 13, 0},
        {Qt::Key_Left, Qt::NoModifier, 37, 0},
        {Qt::Key_Down, Qt::NoModifier, 40, 0},
        {Qt::Key_3, Qt::NoModifier, 51, 0},
        {Qt::Key_3, Qt::KeypadModifier, 99, 0},
        {Qt::Key_Q, Qt::NoModifier, 81, 0},
        {Qt::Key_Escape, Qt::NoModifier, 27, 0},
        // Modifier, lock and menu keys, and punctuation, are keys too.
        {Qt::Key_Control, Qt::ControlModifier, keys::CtrlKey, 2},
        {Qt::Key_Shift, Qt::ShiftModifier, keys::ShiftKey, 1},
        {Qt::Key_Alt, Qt::AltModifier, keys::AltKey, 4},
        {Qt::Key_CapsLock, Qt::NoModifier, keys::CapsLock, 0},
        {Qt::Key_NumLock, Qt::NoModifier, keys::NumLock, 0},
        {Qt::Key_Menu, Qt::NoModifier, keys::Menu, 0},
        {Qt::Key_Pause, Qt::NoModifier, keys::Pause, 0},
        {Qt::Key_Comma, Qt::NoModifier, keys::Comma, 0},
        {Qt::Key_Slash, Qt::NoModifier, keys::Slash, 0},
        {Qt::Key_Eacute, Qt::NoModifier, keys::OtherKey, 0},
        {Qt::Key_Dead_Circumflex, Qt::NoModifier, keys::OtherKey, 0},
        {Qt::Key_unknown, Qt::NoModifier, keys::OtherKey, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gameKeyCode(c.qtKey, c.mods), c.code) << c.qtKey;
        EXPECT_EQ(gameModifiers(c.mods), c.modifier) << c.qtKey;
    }
}

TEST(QtKeys, DigitsAndFunctionKeysGoByTheirPlaceOnTheKeyboard)
{
    struct Case {
        const char* what;
        int qtKey;
        Qt::KeyboardModifiers mods;
        uint32_t scan;  // the X keycode
        int code;
    };
    const Case cases[] = {
        {"US 1", Qt::Key_1, Qt::NoModifier, 10, keys::Digit1},
        {"US Shift+1", Qt::Key_Exclam, Qt::ShiftModifier, 10, keys::Digit1},
        {"US Shift+8", Qt::Key_Asterisk, Qt::ShiftModifier, 17, keys::Digit1 + 7},
        {"UK Shift+3", Qt::Key_sterling, Qt::ShiftModifier, 12, keys::Digit1 + 2},
        {"German Shift+7", Qt::Key_Slash, Qt::ShiftModifier, 16, keys::Digit1 + 6},
        {"French 1 unshifted", Qt::Key_Ampersand, Qt::NoModifier, 10, keys::Digit1},
        {"French 2 unshifted", Qt::Key_Eacute, Qt::NoModifier, 11, keys::Digit1 + 1},
        {"French 0 unshifted", Qt::Key_Agrave, Qt::NoModifier, 19, keys::Digit0},
        {"French Shift+1", Qt::Key_1, Qt::ShiftModifier, 10, keys::Digit1},
        {"F1", Qt::Key_F1, Qt::NoModifier, 67, keys::F1},
        {"Ctrl+Alt+F3 as a console switch", Qt::Key_unknown,
         Qt::ControlModifier | Qt::AltModifier, 69, keys::F3},
        {"F12", Qt::Key_F12, Qt::NoModifier, 96, keys::F12},
        // French letters keep the layout's letter: the key left of Z on a US board is A.
        {"French A", Qt::Key_A, Qt::NoModifier, 24, 'A'},
        {"Keypad 3 stays a keypad key", Qt::Key_3, Qt::KeypadModifier, 89, keys::Keypad0 + 3},
        {"Enter", Qt::Key_Return, Qt::NoModifier, 36, keys::Enter},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gameKeyCode(c.qtKey, c.mods, c.scan, NativeKeys::X11), c.code) << c.what;

    // Without a native code the key's character decides, as for keys typed offscreen.
    EXPECT_EQ(gameKeyCode(Qt::Key_Ampersand, Qt::NoModifier, 10, NativeKeys::None), keys::OtherKey);
    EXPECT_EQ(gameKeyCode(Qt::Key_Exclam, Qt::ShiftModifier, 0, NativeKeys::X11), keys::OtherKey);
    EXPECT_EQ(gameKeyCode(Qt::Key_4, Qt::ShiftModifier, 0, NativeKeys::X11), keys::Digit1 + 3);
}

}  // namespace yacht
