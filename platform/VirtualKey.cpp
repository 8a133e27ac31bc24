#include "platform/VirtualKey.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<Qt::Key, int>, 21> kNamedKeys { {
    { Qt::Key_Backspace, VK_BACK },
    { Qt::Key_Tab, VK_TAB },
    { Qt::Key_Return, VK_RETURN },
    { Qt::Key_Shift, VK_SHIFT },
    { Qt::Key_Control, VK_CONTROL },
    { Qt::Key_Alt, VK_MENU },
    { Qt::Key_Escape, VK_ESCAPE },
    { Qt::Key_Space, VK_SPACE },
    { Qt::Key_PageUp, VK_PRIOR },
    { Qt::Key_PageDown, VK_NEXT },
    { Qt::Key_End, VK_END },
    { Qt::Key_Home, VK_HOME },
    { Qt::Key_Left, VK_LEFT },
    { Qt::Key_Up, VK_UP },
    { Qt::Key_Right, VK_RIGHT },
    { Qt::Key_Down, VK_DOWN },
    { Qt::Key_Insert, VK_INSERT },
    { Qt::Key_Delete, VK_DELETE },
    // Second names of keys listed above: the Qt key back is the first one.
    { Qt::Key_Enter, VK_RETURN },
    { Qt::Key_Backtab, VK_TAB },
    { Qt::Key_Clear, VK_CLEAR },
} };

bool IsNavigationKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Insert:
    case Qt::Key_Delete:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down: return true;
    default: return false;
    }
}

constexpr int kFunctionKeys = 24;

} // namespace

int VirtualKeyFromQtKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return modifiers.testFlag(Qt::KeypadModifier) ? VK_NUMPAD0 + (qtKey - Qt::Key_0) : qtKey;
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + kFunctionKeys)
        return VK_F1 + (qtKey - Qt::Key_F1);
    for (const auto& [key, virtualKey] : kNamedKeys) {
        if (key == qtKey)
            return virtualKey;
    }
    return 0;
}

Qt::Key QtKeyFromVirtualKey(int virtualKey)
{
    if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z'))
        return Qt::Key(virtualKey);
    if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD0 + 9)
        return Qt::Key(Qt::Key_0 + (virtualKey - VK_NUMPAD0));
    if (virtualKey >= VK_F1 && virtualKey < VK_F1 + kFunctionKeys)
        return Qt::Key(Qt::Key_F1 + (virtualKey - VK_F1));
    for (const auto& [key, code] : kNamedKeys) {
        if (code == virtualKey)
            return key;
    }
    return Qt::Key_unknown;
}

MSG KeyDownMessage(QWidget* target, int qtKey, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    LPARAM keyData = autoRepeat ? KEYDATA_REPEAT : 0;
    if (IsNavigationKey(qtKey) && !modifiers.testFlag(Qt::KeypadModifier))
        keyData |= KEYDATA_EXTENDED;
    return MSG { target, WM_KEYDOWN, WPARAM(VirtualKeyFromQtKey(qtKey, modifiers)), keyData };
}
