#include "platform/Color.h"

QColor ColorFromColorRef(COLORREF color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

COLORREF ColorRefFromColor(const QColor& color)
{
    const QRgb rgb = color.rgb();
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}
