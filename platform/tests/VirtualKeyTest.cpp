#include "platform/VirtualKey.h"

#include <gtest/gtest.h>

namespace {

struct KeyCase {
    Qt::Key key;
    int virtualKey;
};

class VirtualKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(VirtualKeys, BothWays)
{
    EXPECT_EQ(VirtualKeyFromQtKey(GetParam().key), GetParam().virtualKey);
    EXPECT_EQ(QtKeyFromVirtualKey(GetParam().virtualKey), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    ProgramsKeys, VirtualKeys,
    testing::Values(KeyCase{Qt::Key_Backspace, 8}, KeyCase{Qt::Key_Tab, 9}, KeyCase{Qt::Key_Return, 13},
                    KeyCase{Qt::Key_Escape, 27}, KeyCase{Qt::Key_PageUp, 33}, KeyCase{Qt::Key_PageDown, 34},
                    KeyCase{Qt::Key_Left, 37}, KeyCase{Qt::Key_Up, 38}, KeyCase{Qt::Key_Right, 39},
                    KeyCase{Qt::Key_Down, 40}, KeyCase{Qt::Key_0, 48}, KeyCase{Qt::Key_1, 49},
                    KeyCase{Qt::Key_2, 50}, KeyCase{Qt::Key_3, 51}, KeyCase{Qt::Key_A, 65},
                    KeyCase{Qt::Key_F1, 0x70}, KeyCase{Qt::Key_Delete, 0x2E}));

TEST(VirtualKeys, SecondNamesOfKeys)
{
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Enter, Qt::KeypadModifier), VK_RETURN);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Backtab, Qt::ShiftModifier), VK_TAB);
}

TEST(VirtualKeys, KeypadDigitsAreNotMainKeyboardDigits)
{
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_0, Qt::KeypadModifier), VK_NUMPAD0);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_3, Qt::KeypadModifier), VK_NUMPAD0 + 3);
    EXPECT_EQ(QtKeyFromVirtualKey(VK_NUMPAD0 + 3), Qt::Key_3);
}

TEST(VirtualKeys, TextOnlyKeysHaveNoCode)
{
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_unknown), 0);
    EXPECT_EQ(QtKeyFromVirtualKey(0), Qt::Key_unknown);
}

} // namespace
