#pragma once

#include "platform/LogFont.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QRect>

#include <utility>
#include <vector>

// Reading what a person would see in a rendered image.

// The game's option font: "Arial" semi-bold with a 25-pixel cell.
inline QFont OptionFont()
{
    LOGFONT description;
    description.lfHeight = 25;
    description.lfWeight = 600;
    description.lfQuality = CLEARTYPE_QUALITY;
    description.lfPitchAndFamily = FF_SWISS;
    description.lfFaceName = QStringLiteral("Arial");
    return FontFromLogFont(description);
}

inline bool IsInk(QRgb pixel, QRgb paper)
{
    return qAbs(qGray(pixel) - qGray(paper)) > 60;
}

// Horizontal bands of rows holding ink within area: one per text line.
inline std::vector<std::pair<int, int>> InkBands(const QImage& image, const QRect& area, QRgb paper)
{
    std::vector<std::pair<int, int>> bands;
    bool inBand = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool ink = false;
        for (int x = area.left(); x <= area.right() && !ink; ++x)
            ink = IsInk(image.pixel(x, y), paper);
        if (ink && !inBand)
            bands.emplace_back(y, y);
        if (ink)
            bands.back().second = y;
        inBand = ink;
    }
    return bands;
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

// Rendered images are kept beside the test binary for a person to look at.
inline void SaveForReview(const QImage& image, const QString& name)
{
    image.save(QDir::current().filePath(name));
}
