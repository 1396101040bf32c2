#include "screen/qt_key_map.h"

namespace yacht {

int gameKeyCode(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        // Keypad digits are distinct keys: they are recorded but no state uses them.
        const int digit = qtKey - Qt::Key_0;
        return modifiers.testFlag(Qt::KeypadModifier) ? 96 + digit : 48 + digit;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 65 + (qtKey - Qt::Key_A);
    switch (qtKey) {
    case Qt::Key_Space: return 32;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
    }
}

int gameModifiers(Qt::KeyboardModifiers modifiers)
{
    int set = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) set += 1;
    if (modifiers.testFlag(Qt::ControlModifier)) set += 2;
    if (modifiers.testFlag(Qt::AltModifier)) set += 4;
    return set;
}

}  // namespace yacht
