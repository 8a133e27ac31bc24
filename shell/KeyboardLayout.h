#pragma once

#include <QLocale>
#include <QStringList>

// The letter keys of a soft keyboard layout, row by row, in lower case; the
// locale gives their upper case (Turkish i becomes İ, ı becomes I).
struct KeyboardLayout {
    QStringList rows;
    QLocale locale;

    static KeyboardLayout English();
    static KeyboardLayout Turkish();
};
