#pragma once

#include "platform/Color.h"

#include <QImage>

// Marlin: the shell's help window.
class CFileSystem {
public:
    // Shows title and text (lines broken by "\r\n") with the icon on the
    // given background colour, modal over the active window, until a tap or
    // a key closes it.
    static void ShowHelpDlg(const QImage& icon, const char16_t* title, const char16_t* text, COLORREF colour);
};
