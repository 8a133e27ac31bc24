#pragma once

#include "platform/Message.h"

#include <Qt>

// Virtual-key codes of the keys the programs react to.
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_CLEAR = 0x0C;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
// '0' to '9' are 0x30 to 0x39 and 'A' to 'Z' are 0x41 to 0x5A, as in ASCII.
constexpr int VK_NUMPAD0 = 0x60;
constexpr int VK_F1 = 0x70;

// The virtual key of a Qt key; digits of the keypad (KeypadModifier) are
// VK_NUMPAD0 to VK_NUMPAD0 + 9. 0 for keys without a code (text input only).
int VirtualKeyFromQtKey(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The Qt key of a virtual key; Qt::Key_unknown when there is none.
Qt::Key QtKeyFromVirtualKey(int virtualKey);

// Key data (lParam) of a key-down. With NumLock off the keypad's keys bring
// the codes of the navigation and arrow keys; only the keys of the block
// beside the keypad carry the extended-key bit.
constexpr LPARAM KEYDATA_EXTENDED = 0x01000000;
constexpr LPARAM KEYDATA_REPEAT = 0x40000000;

// The key-down message of a Qt key, as the dialog's pre-translation sees it.
MSG KeyDownMessage(QWidget* target, int qtKey, Qt::KeyboardModifiers modifiers, bool autoRepeat = false);
