#include <gtest/gtest.h>

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
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gameKeyCode(c.qtKey, c.mods), c.code) << c.qtKey;
        EXPECT_EQ(gameModifiers(c.mods), c.modifier) << c.qtKey;
    }
}

}  // namespace yacht
