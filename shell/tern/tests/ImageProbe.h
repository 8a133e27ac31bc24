#pragma once

#include "platform/LogFont.h"

#include <QFont>
#include <QImage>
#include <QRect>

// The game's option font: "Arial" semi-bold with a 25-pixel cell.
inline QFont OptionFont()
{
    return FontFromLogFont({.lfHeight = 25, .lfWeight = 600, .lfQuality = CLEARTYPE_QUALITY,
                            .lfPitchAndFamily = FF_SWISS, .lfFaceName = QStringLiteral("Arial")});
}

inline int CountPixels(const QImage& image, const QRect& area, QRgb color)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == color ? 1 : 0;
    }
    return count;
}
