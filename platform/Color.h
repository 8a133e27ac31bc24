#pragma once

#include <QColor>
#include <cstdint>

// Colours are 32-bit words 0x00BBGGRR: red in the low byte, blue in the high one.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int red, int green, int blue)
{
    return static_cast<COLORREF>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

QColor ColorFromColorRef(COLORREF color);
COLORREF ColorRefFromColor(const QColor& color);
