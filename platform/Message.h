#pragma once

#include <cstdint>

class QWidget;

// Window message words, as the handlers of CDialog receive them.
using WPARAM = unsigned long;
using LPARAM = long;
using LRESULT = long;
using UINT_PTR = std::uintptr_t;

constexpr unsigned WM_KEYDOWN = 0x0100;

// A message as PreTranslateMessage sees it: the window it is meant for (the
// focused control or the dialog) and, for WM_KEYDOWN, the virtual key in wParam.
struct MSG {
    QWidget* hwnd = nullptr;
    unsigned message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// Dialog results and the commands of the OK and cancel actions.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
