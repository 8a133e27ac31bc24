#include "shell/KeyboardLayout.h"

KeyboardLayout KeyboardLayout::English()
{
    return {
        {QStringLiteral("1234567890"), QStringLiteral("qwertyuiop"), QStringLiteral("asdfghjkl'"),
            QStringLiteral("zxcvbnm,.?")},
        QLocale(QLocale::English, QLocale::UnitedStates),
    };
}

KeyboardLayout KeyboardLayout::Turkish()
{
    return {
        {QStringLiteral("1234567890"), QStringLiteral("qwertyuıopğü"), QStringLiteral("asdfghjklşi"),
            QStringLiteral("zxcvbnmöç.,")},
        QLocale(QLocale::Turkish, QLocale::Turkey),
    };
}
