#include "platform/VirtualKey.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(VirtualKeys, TheProgramsKeysBothWays)
{
    const std::pair<Qt::Key, int> keys[] = {
        { Qt::Key_Backspace, 8 },
        { Qt::Key_Tab, 9 },
        { Qt::Key_Return, 13 },
        { Qt::Key_Escape, 27 },
        { Qt::Key_PageUp, 33 },
        { Qt::Key_PageDown, 34 },
        { Qt::Key_Left, 37 },
        { Qt::Key_Up, 38 },
        { Qt::Key_Right, 39 },
        { Qt::Key_Down, 40 },
        { Qt::Key_0, 48 },
        { Qt::Key_9, 57 },
        { Qt::Key_A, 65 },
        { Qt::Key_Z, 90 },
        { Qt::Key_F1, 0x70 },
        { Qt::Key_F24, 0x87 },
        { Qt::Key_Delete, 0x2E },
        { Qt::Key_unknown, 0 },
    };
    for (const auto& [key, virtualKey] : keys) {
        EXPECT_EQ(VirtualKeyFromQtKey(key), virtualKey) << virtualKey;
        EXPECT_EQ(QtKeyFromVirtualKey(virtualKey), key) << virtualKey;
    }
    // Second names of keys; keypad digits are not main keyboard digits.
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Enter, Qt::KeypadModifier), VK_RETURN);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Backtab, Qt::ShiftModifier), VK_TAB);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_0, Qt::KeypadModifier), VK_NUMPAD0);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_3, Qt::KeypadModifier), VK_NUMPAD0 + 3);
    EXPECT_EQ(QtKeyFromVirtualKey(VK_NUMPAD0 + 9), Qt::Key_9);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_F25), 0);
    EXPECT_EQ(QtKeyFromVirtualKey(0x88), Qt::Key_unknown);
    // Key data: the repeat bit, and the extended bit for the block beside the keypad alone.
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, bool, LPARAM> keyData[]
        = { { Qt::Key_Up, Qt::NoModifier, false, KEYDATA_EXTENDED }, { Qt::Key_Up, Qt::KeypadModifier, false, 0 },
              { Qt::Key_A, Qt::NoModifier, true, KEYDATA_REPEAT } };
    for (const auto& [key, modifiers, repeat, data] : keyData)
        EXPECT_EQ(KeyDownMessage(nullptr, key, modifiers, repeat).lParam, data) << key;
}

} // namespace
