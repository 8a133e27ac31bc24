#pragma once

#include <QRect>

// A rectangle as (left, top, right, bottom); right and bottom lie just outside it.
struct RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

QRect QRectFromRect(const RECT& rect);
RECT RectFromQRect(const QRect& rect);
